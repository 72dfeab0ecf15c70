// The command line and the editor agree: a file the tool writes, imported into the real window,
// shows on its pages exactly what the tool says the pages show.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "app/CadmiraDlg.h"
#include "pages/view/ModelPages.h"
#include "document/ReadConfigFile.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "tests/cli/CliRun.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

int RunTool(std::vector<std::string> args) {
  const cli::CliRun run = cli::RunCommand(std::move(args));
  EXPECT_EQ(run.err, "");
  return run.status;
}

pages::PageView WindowView(CCadmiraDlg& window, int product) {
  return pages::ViewOf(product, window.PreferencesPage(), window.PluginsPage().Model(), window.RibbonPage().Tree());
}

pages::PageView ToolView(const std::string& path) {
  Result<document::ConfigFile> file = document::ReadConfigFile(path, document::ReadForms::PlainThenSealed);
  EXPECT_TRUE(file.ok() && file.value().product);
  return pages::ViewOfLoadedTree(file.value().Root(), *file.value().product);
}

TEST(CliAgreement, AFileTheToolWroteShowsTheSameStateInTheEditor) {
  struct Row {
    const char* product;
    int verid;
    std::vector<std::string> changes;
  };
  const Row rows[] = {
      {"reader", 1, {"StartPage=on", "SafeReadingMode=disabled", "CollapsedBubbleMsg=disabled", "StatusBar=show",
                     "Advertise.Time=45", "Advertise.Rool=on", "MainFrameName=ACME", "CheckApp.CheckAppName=on",
                     "--hide-plugin", "Stamps.zpi", "--hide-ribbon", "Ribbon_Category_View",
                     "--show-ribbon", "Ribbon_Category_View/View_Panel_ViewSetting", "--doc-version", "12.1"}},
      {"orvanta", 0, {"GPOAppendMode=on", "disableTessadoc=on", "RMSSetting.EncryptMetadata=enabled",
                      "DefaultReader.Write=on", "--hide-ribbon", "/File_Main_InputMode"}},
  };
  for (const Row& row : rows) {
    TempProfile profile;
    ASSERT_TRUE(framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), row.verid));
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("profstore.xml")).toStdString();
    ASSERT_EQ(RunTool({"new", "--product", row.product, "--doc-version", "1", path}), 0);
    std::vector<std::string> set{"set", path};
    set.insert(set.end(), row.changes.begin(), row.changes.end());
    ASSERT_EQ(RunTool(set), 0);

    framework::ScriptedHost host;
    CCadmiraDlg window;
    ASSERT_TRUE(window.Create());
    host.AnswerFileDialog(QString::fromStdString(path));
    host.ExpectMessageBox(QStringLiteral("Import Succeed"), QStringLiteral("Notice"),
                          framework::MessageIcon::Information, framework::MessageButtons::Ok,
                          framework::MessageAnswer::Ok);
    window.Button(CCadmiraDlg::kImportButton)->click();
    EXPECT_TRUE(host.ScriptUsedUp());

    const pages::PageView tool = ToolView(path);
    const pages::PageView editor = WindowView(window, row.verid);
    EXPECT_EQ(editor.version, tool.version) << row.product;
    EXPECT_EQ(editor.settings, tool.settings) << row.product;
    EXPECT_EQ(editor.hiddenPlugins, tool.hiddenPlugins) << row.product;
    EXPECT_EQ(editor.hiddenRibbon, tool.hiddenRibbon) << row.product;
    EXPECT_FALSE(tool.hiddenRibbon.empty());
  }
}

}  // namespace
}  // namespace cadmira::app
