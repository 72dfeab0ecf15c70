// The whole program offscreen: the real main window and pages, driven through their controls, with
// the files on disk checked byte for byte.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

#include "app/CadmiraDlg.h"
#include "document/PluginList.h"
#include "document/ReadConfigFile.h"
#include "document/HiddenRibbonPaths.h"
#include "document/PreferenceReader.h"
#include "document/Seal.h"
#include "document/SectionLookup.h"
#include "framework/ListBox.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "tests/app/TestFiles.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

using framework::MessageAnswer;

const QString kNotice = QStringLiteral("Notice");
const QString kNotSaved = QStringLiteral(
    "The document could not be saved. The file may be read-only, or opened by another user. Please save the "
    "document with a different name or in different folder.");
constexpr int kStatusBarRow = 13;
constexpr int kStatusPage = 178;
constexpr int kStatusCombo = 1069;
constexpr int kHideStatusBar = 3;

QByteArray Example(const char* name) {
  return ReadBytes(QStringLiteral(CADMIRA_SOURCE_DIR "/examples/") + QLatin1String(name));
}

class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(); }

  void Open(const QString& startFile = {}) {
    m_window = std::make_unique<CCadmiraDlg>(startFile);
    ASSERT_TRUE(m_window->Create());
  }
  QString Write(const QString& name, const QByteArray& bytes) const { return WriteFileIn(m_folder, name, bytes); }
  void ExpectNotice(const QString& text, const QString& caption = kNotice) {
    m_host.ExpectMessageBox(text, caption, framework::MessageIcon::Information, framework::MessageButtons::Ok,
                            MessageAnswer::Ok);
  }
  void Press(int button) { m_window->Button(button)->click(); }
  void Import(const QString& path) {
    m_host.AnswerFileDialog(path);
    ExpectNotice(QStringLiteral("Import Succeed"));
    Press(CCadmiraDlg::kImportButton);
    EXPECT_TRUE(m_host.ScriptUsedUp());
  }
  void ClickTab(int index) {
    QTabBar* bar = m_window->TabControl()->TabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }
  // Ticks the current item of a tree as a keyboard user does.
  static void Tick(framework::TreeView* tree, QTreeWidgetItem* item) {
    tree->setFocus();
    tree->setCurrentItem(item);
    QTest::keyClick(tree, Qt::Key_Space);
  }
  QString Version() const { return m_window->PreferencesPage().VersionEdit()->text(); }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
  QTemporaryDir m_folder;
  std::unique_ptr<CCadmiraDlg> m_window;
};

TEST_F(EndToEndTest, ASealedFileImportedChangedOnEveryPageAndSavedHoldsWhatThePagesShow) {
  const QString path = Write(QStringLiteral("profstore.xml"), Example("orvanta-profstore.sealed.xml"));
  Import(path);
  EXPECT_EQ(m_window->windowTitle(), path);
  EXPECT_EQ(Version(), QStringLiteral("12.0.1"));

  pages::CPreferencedlg& preferences = m_window->PreferencesPage();
  m_window->PreferencesPage().VersionEdit()->setText(QStringLiteral("12.0.2"));
  framework::ListBox* rows = preferences.SettingList();
  for (int index = 0; index < rows->count(); ++index) {
    if (rows->ItemData(index) == kStatusBarRow) rows->setCurrentRow(index);
  }
  auto* statusBar = preferences.OptionPage(kStatusPage)->item<QComboBox>(kStatusCombo);
  ASSERT_NE(statusBar, nullptr);
  ASSERT_TRUE(statusBar->isVisibleTo(m_window.get()));
  statusBar->setCurrentIndex(kHideStatusBar);

  ClickTab(1);
  pages::CRibbondlg& ribbon = m_window->RibbonPage();
  const std::u16string zoom[] = {u"Ribbon_Category_View", u"View_Panel_Zoom"};
  QTreeWidgetItem* zoomPanel = ribbon.Item(ribbon.Tree().FindPath(zoom));
  ASSERT_NE(zoomPanel, nullptr);
  Tick(ribbon.RibbonTree(), zoomPanel);

  ClickTab(2);
  pages::CPluginsdlg& plugins = m_window->PluginsPage();
  ASSERT_GT(plugins.Model().Count(), 0u);
  const std::u16string ticked = plugins.Model().Item(0).PIPath;
  Tick(plugins.PluginTree(), plugins.PluginTree()->topLevelItem(0));
  ASSERT_TRUE(plugins.Model().Checked(0));

  ExpectNotice(QStringLiteral("Save Succeed"));
  Press(CCadmiraDlg::kSaveButton);

  // Sealed, and exactly as long as the DOM's plain output.
  const QByteArray onDisk = ReadBytes(path);
  std::vector<unsigned char> plain = m_window->Document().m_writeContext.m_spXmlDoc->Serialize();
  ASSERT_EQ(static_cast<std::size_t>(onDisk.size()), plain.size());
  QByteArray unsealed = onDisk;
  document::SealBuffer(reinterpret_cast<unsigned char*>(unsealed.data()), static_cast<std::size_t>(unsealed.size()));
  EXPECT_EQ(unsealed, QByteArray(reinterpret_cast<const char*>(plain.data()), static_cast<int>(plain.size())));
  EXPECT_NE(onDisk.left(20), unsealed.left(20));

  Result<document::ConfigFile> file =
      document::ReadConfigFile(QFile::encodeName(path).toStdString(), document::ReadForms::PlainThenSealed);
  ASSERT_TRUE(file.ok());
  const CXML_TreeElement* root = file.value().Root();
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(file.value().form, document::FileForm::Sealed);
  EXPECT_EQ(document::AttributeOrEmpty(root, "version"), u"12.0.2");
  bool statusBarWritten = false;
  for (const CXML_TreeElement* element : document::PreferenceElements(root)) {
    if (document::AttributeOrEmpty(element, "Text") != u"StatusBar") continue;
    statusBarWritten = true;
    EXPECT_EQ(document::AttributeOrEmpty(element, "Mode"), u"0");
    EXPECT_EQ(document::AttributeOrEmpty(element, "Write"), u"0");
  }
  EXPECT_TRUE(statusBarWritten);
  std::vector<document::RibbonPath> hidden;
  document::VisitHiddenRibbonPaths(root,
                                   [&](std::span<const std::u16string> p) { hidden.emplace_back(p.begin(), p.end()); });
  const document::RibbonPath zoomPath(std::begin(zoom), std::end(zoom));
  const document::RibbonPath statusPath{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"};
  EXPECT_NE(std::find(hidden.begin(), hidden.end(), zoomPath), hidden.end());
  EXPECT_NE(std::find(hidden.begin(), hidden.end(), statusPath), hidden.end());
  const auto array = document::ReadUnloadPluginArray(root);
  ASSERT_TRUE(array.has_value());
  const std::vector<std::u16string> names = document::SplitUnloadPluginArray(*array);
  EXPECT_NE(std::find(names.begin(), names.end(), ticked), names.end());
  // The file disables the Tessadoc features, so their plug-ins are hidden with it.
  EXPECT_NE(std::find(names.begin(), names.end(), u"TessadocPlugin.zpi"), names.end());
}

TEST_F(EndToEndTest, SaveAfterExportWritesTheImportedFile) {
  const QString imported = Write(QStringLiteral("imported.xml"), Example("orvanta-profstore.sealed.xml"));
  const QString exported = m_folder.filePath(QStringLiteral("exported.xml"));
  Import(imported);
  m_host.AnswerFileDialog(exported);
  ExpectNotice(QStringLiteral("Export Succeed"));
  Press(CCadmiraDlg::kExportButton);
  const QByteArray firstExport = ReadBytes(exported);
  ASSERT_FALSE(firstExport.isEmpty());

  m_window->PreferencesPage().VersionEdit()->setText(QStringLiteral("13"));
  ExpectNotice(QStringLiteral("Save Succeed"));
  Press(CCadmiraDlg::kSaveButton);
  EXPECT_EQ(ReadBytes(exported), firstExport);
  Import(imported);
  EXPECT_EQ(Version(), QStringLiteral("13"));
  Import(exported);
  EXPECT_EQ(Version(), QStringLiteral("12.0.1"));
}

TEST_F(EndToEndTest, RefusedFilesChangeNothingAndAFileDroppedTwiceLoadsTwice) {
  const QString accepted = Write(QStringLiteral("accepted.xml"), Example("orvanta-profstore.xml"));
  Import(accepted);
  m_window->PreferencesPage().VersionEdit()->setText(QStringLiteral("edited"));
  // The edit is let go each time it is asked about; the refused files leave it in place.
  const auto discard = [this, &accepted] {
    m_host.ExpectMessageBox(QStringLiteral("Save the changes to %1?").arg(accepted), QStringLiteral("Cadmira"),
                            framework::MessageIcon::Question, framework::MessageButtons::SaveDiscardCancel,
                            framework::MessageAnswer::Discard);
  };

  discard();
  m_host.AnswerFileDialog(Write(QStringLiteral("reader.xml"), Example("reader-profstore.sealed.xml")));
  ExpectNotice(QString::fromUtf8("Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go "
                                 "to \u201cInterface\u201d to choose the product Reader or Orvanta firstly. "),
               QString());
  Press(CCadmiraDlg::kImportButton);
  discard();
  m_host.AnswerFileDialog(Write(QStringLiteral("damaged.xml"), Example("orvanta-profstore.xml").left(40)));
  ExpectNotice(QStringLiteral("The format of xml is error."));
  Press(CCadmiraDlg::kImportButton);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  // Still the accepted file, still marked as changed.
  EXPECT_EQ(m_window->windowTitle(), accepted + QStringLiteral("[*]"));
  EXPECT_EQ(m_window->Document().m_strFilePath, accepted);
  EXPECT_EQ(Version(), QStringLiteral("edited"));

  const QString dropped = Write(QStringLiteral("dropped.xml"), Example("orvanta-profstore.xml"));
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(dropped), QUrl::fromLocalFile(dropped)});
  discard();
  ExpectNotice(QStringLiteral("Import Succeed"));
  ExpectNotice(QStringLiteral("Import Succeed"));
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m_window.get(), &enter);
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(m_window.get(), &drop);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(m_window->Document().m_strFilePath, dropped);
  EXPECT_EQ(Version(), QStringLiteral("12.0.1"));
}

TEST_F(EndToEndTest, TheStartFileIsLoadedByTheWindowsInitialisation) {
  const QString start = Write(QStringLiteral("start.xml"), Example("orvanta-profstore.xml"));
  ExpectNotice(QStringLiteral("Import Succeed"));
  Open(start);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(m_window->windowTitle(), start);
  EXPECT_EQ(Version(), QStringLiteral("12.0.1"));
  EXPECT_TRUE(m_window->Button(CCadmiraDlg::kSaveButton)->isEnabled());

  // A sealed start file is not read: the window starts as it would without one.
  Open(Write(QStringLiteral("sealed.xml"), Example("orvanta-profstore.sealed.xml")));
  EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Cadmira-Zandor OrvantaPDF"));
  EXPECT_FALSE(m_window->Button(CCadmiraDlg::kSaveButton)->isEnabled());
}

TEST_F(EndToEndTest, AProductChosenInTheInterfaceDialogWithoutRestartGovernsSaveAndTheNextImport) {
  const QString path = Write(QStringLiteral("profstore.xml"), Example("orvanta-profstore.xml"));
  Import(path);
  m_host.AnswerModal([](framework::Dialog& dialog) {
    dialog.item<QAbstractButton>(1009)->click();  // Reader
    dialog.item<QPushButton>(framework::kIdOk)->click();
    return dialog.result();
  });
  m_host.ExpectMessageBox(QStringLiteral("The program will restart when the interface changes. However,\r\nit will "
                                         "cause the data in the window loss. Do you agree with?"),
                          QStringLiteral("Interface Change"), framework::MessageIcon::Question,
                          framework::MessageButtons::YesNo, MessageAnswer::No);
  Press(CCadmiraDlg::kInterfaceButton);
  EXPECT_EQ(m_window->windowTitle(), path);

  ExpectNotice(QStringLiteral("Save Succeed"));
  Press(CCadmiraDlg::kSaveButton);
  Result<document::ConfigFile> saved =
      document::ReadConfigFile(QFile::encodeName(path).toStdString(), document::ReadForms::PlainThenSealed);
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(saved.value().product, std::optional(resources::Product::Reader));

  m_host.AnswerFileDialog(Write(QStringLiteral("orvanta.xml"), Example("orvanta-profstore.xml")));
  ExpectNotice(QString::fromUtf8("Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go "
                                 "to \u201cInterface\u201d to choose the product Reader or Orvanta firstly. "),
               QString());
  Press(CCadmiraDlg::kImportButton);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(m_window->Document().m_strFilePath, path);
}

TEST_F(EndToEndTest, CancelWithUnsavedChangesAsksAndDiscardClosesWithoutAWrite) {
  const QString path = Write(QStringLiteral("profstore.xml"), Example("orvanta-profstore.sealed.xml"));
  Import(path);
  m_window->PreferencesPage().VersionEdit()->setText(QStringLiteral("unsaved"));
  m_host.ExpectMessageBox(QStringLiteral("Save the changes to %1?").arg(path), QStringLiteral("Cadmira"),
                          framework::MessageIcon::Question, framework::MessageButtons::SaveDiscardCancel,
                          framework::MessageAnswer::Discard);
  Press(CCadmiraDlg::kCancelButton);
  EXPECT_EQ(m_window->result(), framework::kIdCancel);
  EXPECT_EQ(ReadBytes(path), Example("orvanta-profstore.sealed.xml"));
}

TEST_F(EndToEndTest, AWriteThatCannotHappenShowsNotSavedAndLeavesTheDiskAlone) {
  const QString path = Write(QStringLiteral("profstore.xml"), Example("orvanta-profstore.sealed.xml"));
  Import(path);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  ExpectNotice(kNotSaved);
  Press(CCadmiraDlg::kSaveButton);
  m_host.AnswerFileDialog(m_folder.filePath(QStringLiteral("missing/profstore.xml")));
  ExpectNotice(kNotSaved);
  Press(CCadmiraDlg::kExportButton);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(ReadBytes(path), Example("orvanta-profstore.sealed.xml"));
  EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("profstore.xml")});
}

}  // namespace
}  // namespace cadmira::app
