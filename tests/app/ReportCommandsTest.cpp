// The window's Compare with File… and Save Report…, driven through the real main window offscreen,
// and the agreement of the window's pages with the tool's model of them.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>

#include "app/CadmiraDlg.h"
#include "app/CompareDlg.h"
#include "document/LoadDocument.h"
#include "document/ReadConfigFile.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "pages/view/ModelPages.h"
#include "tests/app/TestFiles.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

using framework::MessageAnswer;
using framework::MessageButtons;
using framework::MessageIcon;

const QString kNotice = QStringLiteral("Notice");
const QString kExamples = QStringLiteral(CADMIRA_SOURCE_DIR "/examples/");
constexpr int kStatusPage = 178;
constexpr int kStatusCombo = 1069;

// The window of one product and interface language, with its own settings.
class ReportCommandsTest : public ::testing::Test {
 protected:
  void Open(int verid, int langid) {
    ASSERT_TRUE(framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), verid));
    ASSERT_TRUE(framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), langid));
    m_window = std::make_unique<CCadmiraDlg>();
    ASSERT_TRUE(m_window->Create());
  }

  void Import(const QString& path) {
    m_host.AnswerFileDialog(path);
    m_host.AnswerMessageBox(MessageAnswer::Ok);
    m_window->Button(CCadmiraDlg::kImportButton)->click();
  }

  QComboBox* StatusCombo() {
    return m_window->PreferencesPage().OptionPage(kStatusPage)->item<QComboBox>(kStatusCombo);
  }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
  std::unique_ptr<CCadmiraDlg> m_window;
  QTemporaryDir m_folder;
};

TEST_F(ReportCommandsTest, TheWindowAndTheToolShowTheSamePagesForEachExampleInEachLanguage) {
  const std::pair<const char*, int> examples[] = {{"reader-profstore.xml", 1}, {"orvanta-profstore.sealed.xml", 0}};
  for (const auto& [name, verid] : examples) {
    for (const int langid : {resources::kEnglishLangId, resources::kChineseLangId}) {
      Open(verid, langid);
      Import(kExamples + QLatin1String(name));
      const pages::PageView window = pages::ViewOf(resources::ProductFromNumber(verid), m_window->PreferencesPage(),
                                                   m_window->PluginsPage().Model(), m_window->RibbonPage().Tree());
      const Result<document::ConfigFile> file = document::ReadConfigFile(
          (kExamples + QLatin1String(name)).toStdString(), document::ReadForms::PlainThenSealed);
      ASSERT_TRUE(file.ok());
      pages::CModelPages model(resources::ProductFromNumber(verid), langid,
                               m_window->PluginsPage().Model().AddedPlugins());
      document::ApplyDocument(file.value().Root(), model);
      const pages::PageView tool = pages::ViewOfPages(model);
      EXPECT_EQ(window, tool) << name << ' ' << langid;
      EXPECT_FALSE(tool.hiddenRibbon.empty());
      EXPECT_FALSE(tool.hiddenRibbon.front().titles.empty());
    }
  }
  EXPECT_TRUE(m_host.ScriptUsedUp());
}

TEST_F(ReportCommandsTest, BothCommandsAreInTheContextMenuWithTheirShortcuts) {
  Open(1, resources::kChineseLangId);
  QStringList found;
  for (const QAction* action : m_window->SystemMenu()->actions()) {
    if (!action->shortcut().isEmpty()) found << action->text() + ' ' + action->shortcut().toString();
  }
  EXPECT_TRUE(found.contains(QStringLiteral("与文件比较\u2026 Ctrl+D"))) << found.join('|').toStdString();
  EXPECT_TRUE(found.contains(QStringLiteral("保存报告\u2026 Ctrl+P"))) << found.join('|').toStdString();
}

TEST_F(ReportCommandsTest, CompareListsWhatTheUnsavedPagesChangedGroupedByPage) {
  Open(1, resources::kEnglishLangId);
  const QString path = kExamples + QStringLiteral("reader-profstore.xml");
  Import(path);
  StatusCombo()->setCurrentIndex(2);
  QString shown;
  QString accessibleName;
  m_host.AnswerFileDialog(path);
  m_host.AnswerModal([&](framework::Dialog& dialog) {
    EXPECT_EQ(dialog.TemplateId(), CCompareDlg::kDialogId);
    auto* edit = dialog.item<QPlainTextEdit>(CCompareDlg::kDifferencesEdit);
    shown = edit->toPlainText();
    accessibleName = edit->accessibleName();
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_TRUE(edit->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Compare"));
    return framework::kIdCancel;
  });
  m_window->ReportCommands().CompareWithFile();
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(accessibleName, QStringLiteral("Differences"));
  EXPECT_EQ(shown.toStdString(), (QStringLiteral("Differences\n\nA: The pages as they are now\nB: ") + path +
                                  QStringLiteral("\n\nPreferences\n  Status Bar\n    Option: Status Bar\n"
                                                 "    A: Show status bar\n    B: Hide status bar\n"))
                                     .toStdString());
}

TEST_F(ReportCommandsTest, CompareWithAFileImportRefusesGivesImportsMessage) {
  Open(1, resources::kEnglishLangId);
  const QString orvanta = kExamples + QStringLiteral("orvanta-profstore.xml");
  const QString broken = WriteFileIn(m_folder, QStringLiteral("broken.xml"), "<not xml");
  m_host.AnswerFileDialog(orvanta);
  m_host.AnswerMessageBox(MessageAnswer::Ok);
  m_window->FileCommands().ImportCommand();
  m_host.AnswerFileDialog(broken);
  m_host.AnswerMessageBox(MessageAnswer::Ok);
  m_window->FileCommands().ImportCommand();
  const std::vector<framework::HostCall> import = m_host.MessageBoxes();
  ASSERT_EQ(import.size(), 2u);
  m_host.Clear();
  for (const QString& path : {orvanta, broken}) {
    m_host.AnswerFileDialog(path);
    m_host.AnswerMessageBox(MessageAnswer::Ok);
    m_window->ReportCommands().CompareWithFile();
  }
  const std::vector<framework::HostCall> compare = m_host.MessageBoxes();
  ASSERT_EQ(compare.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(compare[i].text, import[i].text);
    EXPECT_EQ(compare[i].caption, import[i].caption);
    EXPECT_EQ(compare[i].icon, import[i].icon);
  }
  EXPECT_TRUE(m_host.ScriptUsedUp());
}

TEST_F(ReportCommandsTest, SaveReportWritesTheUnsavedPagesAsHtml) {
  Open(1, resources::kEnglishLangId);
  Import(kExamples + QStringLiteral("reader-profstore.xml"));
  StatusCombo()->setCurrentIndex(1);
  const QString path = m_folder.filePath(QStringLiteral("report.html"));
  m_host.AnswerFileDialog(path);
  m_host.ExpectMessageBox(QStringLiteral("The report is saved."), kNotice, MessageIcon::Information, MessageButtons::Ok,
                          MessageAnswer::Ok);
  m_window->ReportCommands().SaveReport();
  EXPECT_TRUE(m_host.ScriptUsedUp());
  ASSERT_EQ(m_host.Calls()[m_host.Calls().size() - 2].request.filter,
            QStringLiteral("HTML (*.html)|*.html|PDF (*.pdf)|*.pdf||"));
  const QString html = QString::fromUtf8(ReadBytes(path));
  EXPECT_TRUE(html.startsWith(QStringLiteral("<!DOCTYPE html>\n")));
  EXPECT_TRUE(
      html.contains(QStringLiteral("<td><bdi>Status Bar</bdi></td><td><bdi>Status Bar</bdi></td>"
                                   "<td><bdi>Auto-hide status bar</bdi></td><td><bdi>Default</bdi></td>")))
      << html.toStdString();
  EXPECT_TRUE(html.contains(QStringLiteral("reader-profstore.xml")));
}

TEST_F(ReportCommandsTest, SaveReportWritesAPdfWhoseTextPdftotextReadsChineseIncluded) {
  Open(1, resources::kChineseLangId);
  Import(kExamples + QStringLiteral("reader-profstore.xml"));
  const QString path = m_folder.filePath(QStringLiteral("report.pdf"));
  m_host.AnswerFileDialog(path);
  m_host.ExpectMessageBox(QStringLiteral("报告已保存。"), QStringLiteral("提示"), MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
  m_window->ReportCommands().SaveReport();
  EXPECT_TRUE(m_host.ScriptUsedUp());
  ASSERT_TRUE(ReadBytes(path).startsWith("%PDF-"));
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-")});
  ASSERT_TRUE(pdftotext.waitForFinished(60000));
  const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
  // Table cells wrap, so each text is one that fits its cell.
  for (const char* expected :
       {"配置报告", "隐藏起始页", "已选中", "程序名称：", "未更改的页面", "隐藏的功能区控件", "11.2.0"}) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << '\n' << text.toStdString();
  }
}

TEST_F(ReportCommandsTest, AReportThatCannotBeWrittenSaysSoAndLeavesNothing) {
  Open(1, resources::kEnglishLangId);
  const QString path = m_folder.filePath(QStringLiteral("missing/report.html"));
  m_host.AnswerFileDialog(path);
  m_host.ExpectMessageBox(QStringLiteral("The report could not be written."), kNotice, MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
  m_window->ReportCommands().SaveReport();
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
}  // namespace cadmira::app
