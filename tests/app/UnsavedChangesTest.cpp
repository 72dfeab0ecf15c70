#include "app/CadmiraDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <functional>

#include "framework/Host.h"
#include "framework/ListBox.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "localization/UIChangedlg.h"
#include "tests/app/TestFiles.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

using framework::MessageAnswer;
using framework::MessageButtons;
using framework::MessageIcon;
using framework::ScriptedHost;

const QString kNotice = QStringLiteral("Notice");

void WaitUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 100 && !done(); ++i) QTest::qWait(20);
}

bool Called(const ScriptedHost& host, framework::HostCall::Kind kind) {
  for (const framework::HostCall& call : host.Calls()) {
    if (call.kind == kind) return true;
  }
  return false;
}

// One action that would lose a change: what it shows before the question, what it needs when it
// goes on, how a person starts it and how to tell that it went on.
struct Trigger {
  const char* name;
  std::function<void(ScriptedHost&)> before;
  std::function<void(ScriptedHost&)> goingOn;
  std::function<void(CCadmiraDlg&)> act;
  std::function<bool(CCadmiraDlg&, const ScriptedHost&)> wentOn;
};

bool Closed(CCadmiraDlg& window, const ScriptedHost&) {
  return !window.isVisible() && window.result() == framework::kIdCancel;
}

void Nothing(ScriptedHost&) {}

std::vector<Trigger> Triggers() {
  const QString dropped = QStringLiteral("/nonexistent/dropped.xml");
  return {
      {"Cancel", Nothing, Nothing, [](CCadmiraDlg& window) { window.Button(CCadmiraDlg::kCancelButton)->click(); },
       Closed},
      {"close", Nothing, Nothing, [](CCadmiraDlg& window) { window.close(); }, Closed},
      {"Ctrl+Q", Nothing, Nothing,
       [](CCadmiraDlg& window) {
         window.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
         QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
         WaitUntil([&window] { return !window.isVisible(); });
       },
       Closed},
      {"Import", Nothing, [](ScriptedHost& host) { host.AnswerFileDialog(std::nullopt); },
       [](CCadmiraDlg& window) { window.Button(CCadmiraDlg::kImportButton)->click(); },
       [](CCadmiraDlg&, const ScriptedHost& host) {
         const std::vector<framework::HostCall>& calls = host.Calls();
         return calls.back().kind == framework::HostCall::Kind::FileDialog &&
                calls.back().request.mode == framework::FileDialogRequest::Mode::Open;
       }},
      {"drop", Nothing,
       [](ScriptedHost& host) {
         host.ExpectMessageBox(QStringLiteral("The format of xml is error."), kNotice, MessageIcon::Information,
                               MessageButtons::Ok, MessageAnswer::Ok);
       },
       [dropped](CCadmiraDlg& window) {
         QMimeData data;
         data.setUrls({QUrl::fromLocalFile(dropped)});
         QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(&window, &enter);
         QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(&window, &drop);
       },
       [](CCadmiraDlg&, const ScriptedHost& host) {
         const std::vector<framework::HostCall> boxes = host.MessageBoxes();
         return !boxes.empty() && boxes.back().text == QStringLiteral("The format of xml is error.");
       }},
      {"interface restart",
       [](ScriptedHost& host) {
         host.AnswerModal([](framework::Dialog& dialog) {
           dialog.item<QPushButton>(framework::kIdOk)->click();
           return dialog.result();
         });
         host.ExpectMessageBox(
             QStringLiteral("The program will restart when the interface changes. However,\r\nit will cause the data "
                            "in the window loss. Do you agree with?"),
             QStringLiteral("Interface Change"), MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes);
       },
       [](ScriptedHost& host) { host.AnswerRestart(true); },
       [](CCadmiraDlg& window) { window.Button(CCadmiraDlg::kInterfaceButton)->click(); },
       [](CCadmiraDlg&, const ScriptedHost& host) { return Called(host, framework::HostCall::Kind::Restart); }},
  };
}

class UnsavedChangesTest : public ::testing::Test {
 protected:
  std::unique_ptr<CCadmiraDlg> OpenWindow() {
    auto window = std::make_unique<CCadmiraDlg>();
    EXPECT_TRUE(window->Create());
    window->show();
    return window;
  }
  static QLineEdit* Version(CCadmiraDlg& window) { return window.PreferencesPage().VersionEdit(); }
  void ExpectQuestion(const QString& file, MessageAnswer answer) {
    m_host.ExpectMessageBox(QStringLiteral("Save the changes to %1?").arg(file), QStringLiteral("Cadmira"),
                            MessageIcon::Question, MessageButtons::SaveDiscardCancel, answer);
  }

  TempProfile m_profile;
  QTemporaryDir m_folder;
  ScriptedHost m_host;
};

TEST_F(UnsavedChangesTest, EveryActionThatWouldLoseAChangeAsksFirstAndFollowsTheAnswer) {
  for (const Trigger& trigger : Triggers()) {
    for (const MessageAnswer answer : {MessageAnswer::Save, MessageAnswer::Discard, MessageAnswer::Cancel}) {
      SCOPED_TRACE(std::string(trigger.name) + ", answer " + std::to_string(static_cast<int>(answer)));
      auto window = OpenWindow();
      Version(*window)->setText(QStringLiteral("12.0"));
      ASSERT_TRUE(window->isWindowModified());
      const QString exported = m_folder.filePath(QStringLiteral("%1-%2.xml").arg(trigger.name).arg(int(answer)));

      trigger.before(m_host);
      ExpectQuestion(QStringLiteral("the new file"), answer);
      if (answer == MessageAnswer::Save) {
        // Without a current file, Save writes as Export does.
        m_host.AnswerFileDialog(exported);
        m_host.ExpectMessageBox(QStringLiteral("Export Succeed"), kNotice, MessageIcon::Information, MessageButtons::Ok,
                                MessageAnswer::Ok);
      }
      if (answer != MessageAnswer::Cancel) trigger.goingOn(m_host);
      trigger.act(*window);

      EXPECT_EQ(trigger.wentOn(*window, m_host), answer != MessageAnswer::Cancel);
      EXPECT_TRUE(m_host.ScriptUsedUp());
      EXPECT_EQ(m_host.UnansweredCount(), 0);
      EXPECT_EQ(QFileInfo::exists(exported), answer == MessageAnswer::Save);
      if (answer == MessageAnswer::Cancel) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(Version(*window)->text(), QStringLiteral("12.0"));
        EXPECT_TRUE(window->isWindowModified());
      }
      if (answer == MessageAnswer::Save) {
        EXPECT_FALSE(window->isWindowModified());
      }
      m_host.Clear();
    }
  }
}

TEST_F(UnsavedChangesTest, WithoutAChangeNoActionAsks) {
  for (const Trigger& trigger : Triggers()) {
    SCOPED_TRACE(trigger.name);
    auto window = OpenWindow();
    // Typing and undoing it by hand, selecting, expanding and an unticked plug-in change nothing written.
    Version(*window)->setText(QStringLiteral("12.0"));
    Version(*window)->setText(QStringLiteral("9.0.0"));
    window->PreferencesPage().SettingList()->setCurrentRow(3);
    window->RibbonPage().RibbonTree()->topLevelItem(1)->setExpanded(true);
    window->PluginsPage().InsertPluginItem(u"Tool", u"Tool.zpi");
    EXPECT_FALSE(window->isWindowModified());
    trigger.before(m_host);
    trigger.goingOn(m_host);
    trigger.act(*window);
    EXPECT_TRUE(trigger.wentOn(*window, m_host));
    EXPECT_TRUE(m_host.ScriptUsedUp());
    EXPECT_EQ(m_host.UnansweredCount(), 0);
    m_host.Clear();
  }
}

TEST_F(UnsavedChangesTest, ARefusedOrFailedSaveCancelsTheAction) {
  auto window = OpenWindow();
  // A blank version is a change, and Save refuses it.
  Version(*window)->setText(QStringLiteral("  "));
  ExpectQuestion(QStringLiteral("the new file"), MessageAnswer::Save);
  m_host.ExpectMessageBox(QStringLiteral("Please enter the version!"), QString(), MessageIcon::Information,
                          MessageButtons::Ok, MessageAnswer::Ok);
  window->Button(CCadmiraDlg::kCancelButton)->click();
  EXPECT_TRUE(window->isVisible());

  // A current file that cannot be written: Save fails and the window stays.
  Version(*window)->setText(QStringLiteral("12.0"));
  const QString unwritable = m_folder.filePath(QStringLiteral("no-such-folder/profstore.xml"));
  window->Document().m_strFilePath = unwritable;
  ExpectQuestion(unwritable, MessageAnswer::Save);
  m_host.ExpectMessageBox(QStringLiteral("The document could not be saved. The file may be read-only, or opened by "
                                         "another user. Please save the document with a different name or in "
                                         "different folder."),
                          kNotice, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(m_host.UnansweredCount(), 0);
}

TEST_F(UnsavedChangesTest, TheTitleCarriesTheMarkOnlyWhileThereIsAChange) {
  auto window = OpenWindow();
  const QString title = window->windowTitle();
  window->PluginsPage().PluginTree()->SetChecked(window->PluginsPage().PluginTree()->topLevelItem(0), true);
  EXPECT_TRUE(window->isWindowModified());
  EXPECT_EQ(window->windowTitle(), title + QStringLiteral("[*]"));
  window->PluginsPage().PluginTree()->SetChecked(window->PluginsPage().PluginTree()->topLevelItem(0), false);
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->windowTitle(), title);

  // A load makes what it shows the unchanged state; Save does too.
  const QString path = WriteFileIn(m_folder, QStringLiteral("profstore.xml"),
                                   ReadBytes(QStringLiteral(CADMIRA_SOURCE_DIR "/examples/orvanta-profstore.xml")));
  m_host.AnswerFileDialog(path);
  m_host.ExpectMessageBox(QStringLiteral("Import Succeed"), kNotice, MessageIcon::Information, MessageButtons::Ok,
                          MessageAnswer::Ok);
  window->Button(CCadmiraDlg::kImportButton)->click();
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->windowTitle(), QFileInfo(path).absoluteFilePath());
  Version(*window)->setText(QStringLiteral("13.0"));
  EXPECT_TRUE(window->isWindowModified());
  m_host.ExpectMessageBox(QStringLiteral("Save Succeed"), kNotice, MessageIcon::Information, MessageButtons::Ok,
                          MessageAnswer::Ok);
  window->Button(CCadmiraDlg::kSaveButton)->click();
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->windowTitle(), QFileInfo(path).absoluteFilePath());
  // Closing now asks nothing.
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(m_host.ScriptUsedUp());
}

TEST_F(UnsavedChangesTest, TheCommandKeysPressTheirButtonsAndTheTooltipsSayThem) {
  auto window = OpenWindow();
  const std::pair<int, const char*> tips[] = {{CCadmiraDlg::kImportButton, "Import (Ctrl+O)"},
                                              {CCadmiraDlg::kExportButton, "Export (Ctrl+Shift+S)"},
                                              {CCadmiraDlg::kSaveButton, "Save (Ctrl+S)"},
                                              {CCadmiraDlg::kHelpButton, "Help (F1)"},
                                              {CCadmiraDlg::kCancelButton, "Cancel (Ctrl+Q)"}};
  for (const auto& [id, tip] : tips) EXPECT_EQ(window->Button(id)->toolTip(), QString::fromLatin1(tip)) << id;

  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  m_host.AnswerFileDialog(std::nullopt);
  QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
  WaitUntil([this] { return !m_host.Calls().empty(); });
  ASSERT_EQ(m_host.Calls().size(), 1u);
  EXPECT_EQ(m_host.Calls()[0].request.mode, framework::FileDialogRequest::Mode::Open);
  m_host.Clear();
  m_host.ExpectMessageBox(QStringLiteral("1. Confirm that the version number of Zandor OrvantaPDF or Zandor Reader "
                                         "in the 'Preferences' Tab matches with the version number of the software. "
                                         "\r\n2. XML file has higher priority than the GPO template. If the XML "
                                         "file and the GPO template have the same settings, the XML file will "
                                         "override the GPO template."),
                          kNotice, MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
  QTest::keyClick(window.get(), Qt::Key_F1);
  WaitUntil([this] { return m_host.ScriptUsedUp(); });
  EXPECT_TRUE(m_host.ScriptUsedUp());
  // Ctrl+F goes to the find field of the page shown.
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  WaitUntil([&window] { return QApplication::focusWidget() == window->PreferencesPage().FindEdit(); });
  EXPECT_EQ(QApplication::focusWidget(), window->PreferencesPage().FindEdit());
  window->TabControl()->SetCurSel(2);
  window->OnTabSelectionChanged();
  QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
  WaitUntil([&window] { return QApplication::focusWidget() == window->PluginsPage().FindEdit(); });
  EXPECT_EQ(QApplication::focusWidget(), window->PluginsPage().FindEdit());
  // Save is disabled until a load: its key does nothing.
  m_host.Clear();
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  QTest::qWait(300);
  EXPECT_TRUE(m_host.Calls().empty());
}

}  // namespace
}  // namespace cadmira::app
