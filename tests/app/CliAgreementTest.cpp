// The command line and the editor agree: a file the tool writes, imported into the real window,
// shows on its pages exactly what the tool says the pages show.
#include <gtest/gtest.h>

#include <QFile>
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

pages::PageView WindowView(CCadmiraDlg& window, resources::Product product) {
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
      {"reader",
       1,
       {"StartPage=on", "SafeReadingMode=disabled", "CollapsedBubbleMsg=disabled", "StatusBar=show",
        "Advertise.Time=45", "Advertise.Rool=on", "MainFrameName=ACME", "CheckApp.CheckAppName=on", "--hide-plugin",
        "Stamps.zpi", "--hide-ribbon", "Ribbon_Category_View", "--show-ribbon",
        "Ribbon_Category_View/View_Panel_ViewSetting", "--doc-version", "12.1"}},
      {"orvanta",
       0,
       {"GPOAppendMode=on", "disableTessadoc=on", "RMSSetting.EncryptMetadata=enabled", "DefaultReader.Write=on",
        "--hide-ribbon", "/File_Main_InputMode"}},
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
    const pages::PageView editor = WindowView(window, resources::ProductFromNumber(row.verid));
    EXPECT_EQ(editor.version, tool.version) << row.product;
    EXPECT_EQ(editor.settings, tool.settings) << row.product;
    EXPECT_EQ(editor.hiddenPlugins, tool.hiddenPlugins) << row.product;
    EXPECT_EQ(editor.hiddenRibbon, tool.hiddenRibbon) << row.product;
    EXPECT_FALSE(tool.hiddenRibbon.empty());
  }
}

// Imports `path` into a fresh window and saves it back in place.
void ImportAndSave(const std::string& path) {
  framework::ScriptedHost host;
  CCadmiraDlg window;
  ASSERT_TRUE(window.Create());
  host.AnswerFileDialog(QString::fromStdString(path));
  for (const char* notice : {"Import Succeed", "Save Succeed"}) {
    host.ExpectMessageBox(QString::fromLatin1(notice), QStringLiteral("Notice"), framework::MessageIcon::Information,
                          framework::MessageButtons::Ok, framework::MessageAnswer::Ok);
  }
  window.Button(CCadmiraDlg::kImportButton)->click();
  window.Button(CCadmiraDlg::kSaveButton)->click();
  EXPECT_TRUE(host.ScriptUsedUp()) << path;
}

// Whatever the pages did not show (a plug-in the product lacks, a value longer than a line edit
// takes by default) must come back from the window's Save as the tool keeps it.
TEST(CliAgreement, AFileSavedAgainByTheEditorHoldsWhatItHeld) {
  struct Row {
    const char* name;
    int verid;
    std::vector<std::string> changes;  // made by the tool first, none for a sample as it is
  };
  const std::string longValue(100000, 'v');
  const Row rows[] = {
      {"reader-profstore.xml", 1, {}},
      {"reader-profstore.sealed.xml", 1, {}},
      {"orvanta-profstore.xml", 0, {}},
      {"orvanta-profstore.sealed.xml", 0, {}},
      {"reader-profstore.xml", 1, {"MainFrameName=" + longValue, "--hide-plugin", "Inhouse.zpi"}},
  };
  for (const Row& row : rows) {
    TempProfile profile;
    ASSERT_TRUE(framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), row.verid));
    QTemporaryDir folder;
    const std::string before = folder.filePath(QStringLiteral("before.xml")).toStdString();
    const std::string after = folder.filePath(QStringLiteral("after.xml")).toStdString();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CADMIRA_SOURCE_DIR "/examples/") + QLatin1String(row.name),
                            QString::fromStdString(before)));
    if (!row.changes.empty()) {
      std::vector<std::string> set{"set", before};
      set.insert(set.end(), row.changes.begin(), row.changes.end());
      ASSERT_EQ(cli::RunCommand(set).status, 0) << row.name;
    }
    ASSERT_TRUE(QFile::copy(QString::fromStdString(before), QString::fromStdString(after)));
    ImportAndSave(after);
    const cli::CliRun diff = cli::RunCommand({"diff", before, after});
    EXPECT_EQ(diff.status, 0) << row.name;
    EXPECT_EQ(diff.out.substr(0, 120), "") << row.name;
  }
}

}  // namespace
}  // namespace cadmira::app
