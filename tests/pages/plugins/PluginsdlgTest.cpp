#include "pages/plugins/Pluginsdlg.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cstring>
#include <memory>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "framework/TreeView.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::pages {
namespace {

using framework::MessageAnswer;
using framework::MessageButtons;
using framework::MessageIcon;

const QString kOrvantaSection = QStringLiteral("AddOrvantaPlugins");
const QString kReaderSection = QStringLiteral("AddReaderPlugins");
constexpr int kOrvantaDefaults = 45;

XmlTreePtr Parse(const char* text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text), std::strlen(text)));
}

class PluginsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner.resize(800, 700);
    owner.show();
  }

  std::unique_ptr<CPluginsdlg> OpenPage() {
    auto page = std::make_unique<CPluginsdlg>();
    EXPECT_TRUE(page->Create(&owner));
    page->show();
    return page;
  }

  static QStringList Captions(const CPluginsdlg& page, int from = 0) {
    QStringList captions;
    const framework::TreeView* tree = page.PluginTree();
    for (int i = from; i < tree->topLevelItemCount(); ++i) captions << tree->topLevelItem(i)->text(0);
    return captions;
  }

  static QTreeWidgetItem* Row(const CPluginsdlg& page, int row) { return page.PluginTree()->topLevelItem(row); }

  static void Click(CPluginsdlg& page, QTreeWidgetItem* item) {
    framework::TreeView* tree = page.PluginTree();
    tree->scrollToItem(item);
    QRect rect = tree->visualItemRect(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(rect.right() - 4, rect.center().y()));
  }

  // Browse answered with `path`, then Add.
  void BrowseAndAdd(CPluginsdlg& page, const QString& path) {
    host.AnswerFileDialog(path);
    page.item<QPushButton>(CPluginsdlg::kBrowseButton)->click();
    page.item<QPushButton>(CPluginsdlg::kAddButton)->click();
  }

  // The next box must be this notice: empty caption, information icon, OK.
  void ExpectNotice(const QString& text) {
    host.ExpectMessageBox(text, QString(), MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok);
  }
  void ExpectAdded() { ExpectNotice(QStringLiteral("The plugin is inserted in the list successfully.")); }
  void ExpectDuplicate() { ExpectNotice(QStringLiteral("The plugin has already exist in the list.")); }
  void ExpectDeleteQuestion(const QString& caption, MessageAnswer answer) {
    host.ExpectMessageBox(
        QStringLiteral("Are you sure to delete the highlighted plugin from the list--") + caption + QLatin1Char('?'),
        QStringLiteral("Plugin Delete"), MessageIcon::Question, MessageButtons::YesNo, answer);
  }

  static void Store(const QString& section, const QString& name, const QString& file) {
    ASSERT_TRUE(framework::WriteProfileString(section, name, file));
  }

  TempProfile profile;
  framework::ScriptedHost host;
  QWidget owner;
};

TEST_F(PluginsPageTest, InitialisationLabelsThePageAndListsDefaultsThenStoredPlugins) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  Store(kOrvantaSection, QStringLiteral("Stamp"), QStringLiteral("Stamp.zpi"));
  Store(kReaderSection, QStringLiteral("Reader only"), QStringLiteral("r.zpi"));
  auto page = OpenPage();
  EXPECT_EQ(page->item<QLabel>(1029)->text(), QStringLiteral("Plugin List:"));
  EXPECT_EQ(page->item<QPushButton>(CPluginsdlg::kAddButton)->text(), QStringLiteral("Add"));
  EXPECT_EQ(page->item<QPushButton>(CPluginsdlg::kDeleteButton)->text(), QStringLiteral("Delete"));
  EXPECT_EQ(page->item<QPushButton>(CPluginsdlg::kBrowseButton)->text(), QStringLiteral("Browse"));
  EXPECT_EQ(page->item<QGroupBox>(1026)->title(), QStringLiteral("Description"));
  EXPECT_EQ(page->item<QGroupBox>(1078)->title(), QStringLiteral("Plugin Edit"));
  EXPECT_EQ(page->item<QLabel>(1077)->text(), QStringLiteral("Plugin Path:"));
  EXPECT_TRUE(
      page->item<QPlainTextEdit>(1025)->toPlainText().contains(QStringLiteral("(..\\Zandor OrvantaPDF\\plugins)")));
  EXPECT_FALSE(page->item<QPushButton>(CPluginsdlg::kAddButton)->isEnabled());

  framework::TreeView* tree = page->PluginTree();
  ASSERT_EQ(tree->topLevelItemCount(), kOrvantaDefaults + 2);
  EXPECT_EQ(Row(*page, 0)->text(0), QStringLiteral("Comments"));
  EXPECT_EQ(Captions(*page, kOrvantaDefaults), (QStringList{QStringLiteral("Tool"), QStringLiteral("Stamp")}));
  for (int i = 0; i < tree->topLevelItemCount(); ++i) EXPECT_EQ(tree->StateImage(Row(*page, i)), 1);
  EXPECT_TRUE(host.Calls().empty());
}

TEST_F(PluginsPageTest, TheReaderInChineseListsItsChineseDefaultsAndItsOwnStoredPlugins) {
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1);
  framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 49007);
  Store(kReaderSection, QStringLiteral("Reader only"), QStringLiteral("r.zpi"));
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  auto page = OpenPage();
  ASSERT_EQ(page->PluginTree()->topLevelItemCount(), 31);
  EXPECT_EQ(Row(*page, 0)->text(0), QStringLiteral("评论"));
  EXPECT_EQ(Row(*page, 30)->text(0), QStringLiteral("Reader only"));
  EXPECT_TRUE(page->item<QPlainTextEdit>(1025)->toPlainText().contains(QStringLiteral("(..\\Zandor Reader\\plugins)")));
}

std::u16string Written(const CPluginsdlg& page, bool disableTessadoc) {
  document::CWriteContext context;
  EXPECT_TRUE(document::BuildDocument(context, resources::Product::Reader));
  page.WritePluginSection(*context.m_spXmlDoc, disableTessadoc);
  document::CDomDocument& dom = *context.m_spXmlDoc;
  return dom.AttributeValue(dom.AttributeNode(dom.FirstChild(dom.FindByTag(u"Plugins")), u"UnloadPluginArray"));
}

TEST_F(PluginsPageTest, TheReaderListsItsSignaturePluginTwiceAndWritesItForEachCheckedItem) {
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1);
  auto page = OpenPage();
  framework::TreeView* tree = page->PluginTree();
  EXPECT_EQ(Row(*page, 7)->text(0), QStringLiteral("Digital Signatures"));
  EXPECT_EQ(Row(*page, 8)->text(0), QStringLiteral("Signature Validation"));
  EXPECT_EQ(Written(*page, true), u"TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
  tree->SetChecked(Row(*page, 8), true);
  EXPECT_EQ(Written(*page, false), u"DigitalSignature.zpi;");
  tree->SetChecked(Row(*page, 7), true);
  EXPECT_EQ(Written(*page, false), u"DigitalSignature.zpi;DigitalSignature.zpi;");
  tree->SetChecked(Row(*page, 7), false);
  tree->SetChecked(Row(*page, 8), false);
  const XmlTreePtr root = Parse(
      "<Reader><Profstore><Plugins><Plugin UnloadPluginArray=\"digitalsignature.ZPI;\"/></Plugins></Profstore></Reader>");
  page->ApplyPluginSection(root.get());
  EXPECT_TRUE(tree->Checked(Row(*page, 7)) && tree->Checked(Row(*page, 8)));
}

TEST_F(PluginsPageTest, ALanguageWithoutADefaultListShowsTheStoredPluginsOnly) {
  framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 1033);
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  auto page = OpenPage();
  EXPECT_EQ(Captions(*page), QStringList{QStringLiteral("Tool")});
}

TEST_F(PluginsPageTest, BrowseAsksForAZpiFileAndOnlyAChosenFileEnablesAdd) {
  auto page = OpenPage();
  auto* add = page->item<QPushButton>(CPluginsdlg::kAddButton);
  auto* path = page->item<QLineEdit>(CPluginsdlg::kPathEdit);
  host.AnswerFileDialog(std::nullopt);
  page->item<QPushButton>(CPluginsdlg::kBrowseButton)->click();
  ASSERT_EQ(host.Calls().size(), 1u);
  const framework::FileDialogRequest& request = host.Calls()[0].request;
  EXPECT_EQ(request.mode, framework::FileDialogRequest::Mode::Open);
  EXPECT_EQ(request.filter, QStringLiteral("zpi (*.zpi)|*.zpi||"));
  EXPECT_TRUE(request.readOnlyBoxHidden);
  EXPECT_TRUE(request.defaultExtension.isEmpty());
  EXPECT_TRUE(path->text().isEmpty());
  EXPECT_FALSE(add->isEnabled());

  host.AnswerFileDialog(QStringLiteral("/opt/zandor/plugins/New.zpi"));
  page->item<QPushButton>(CPluginsdlg::kBrowseButton)->click();
  EXPECT_EQ(path->text(), QStringLiteral("/opt/zandor/plugins/New.zpi"));
  EXPECT_TRUE(add->isEnabled());
}

TEST_F(PluginsPageTest, AddingMyToolListsAndStoresItAtOnceWithoutItsFolder) {
  auto page = OpenPage();
  ExpectAdded();
  BrowseAndAdd(*page, QStringLiteral("/home/admin/tools/My.Tool.zpi"));
  framework::TreeView* tree = page->PluginTree();
  ASSERT_EQ(tree->topLevelItemCount(), kOrvantaDefaults + 1);
  QTreeWidgetItem* added = Row(*page, kOrvantaDefaults);
  EXPECT_EQ(added->text(0), QStringLiteral("My.Tool"));
  EXPECT_EQ(tree->StateImage(added), 1);
  EXPECT_EQ(tree->currentItem(), added);
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), QStringList{QStringLiteral("My.Tool")});
  EXPECT_EQ(framework::ProfileString(kOrvantaSection, QStringLiteral("My.Tool")), QStringLiteral("My.Tool.zpi"));
  EXPECT_TRUE(page->item<QLineEdit>(CPluginsdlg::kPathEdit)->text().isEmpty());
  EXPECT_FALSE(page->item<QPushButton>(CPluginsdlg::kAddButton)->isEnabled());
  EXPECT_EQ(page->Model().Item(kOrvantaDefaults).PIPath, u"My.Tool.zpi");

  // A path in the other platform's form loses its folder as well.
  ExpectAdded();
  BrowseAndAdd(*page, QStringLiteral("D:\\tools\\Other.zpi"));
  EXPECT_EQ(framework::ProfileString(kOrvantaSection, QStringLiteral("Other")), QStringLiteral("Other.zpi"));
}

TEST_F(PluginsPageTest, AFileWithoutADotIsAddedWithAnEmptyCaptionAndComesBackSo) {
  {
    auto page = OpenPage();
    ExpectAdded();
    BrowseAndAdd(*page, QStringLiteral("/usr/lib/zandor/NoDot"));
    EXPECT_EQ(Row(*page, kOrvantaDefaults)->text(0), QString());
  }
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), QStringList{QString()});
  auto next = OpenPage();
  ASSERT_EQ(next->Model().Count(), static_cast<std::size_t>(kOrvantaDefaults + 1));
  EXPECT_EQ(next->Model().Item(kOrvantaDefaults), (PluginItem{u"", u"NoDot"}));
}

TEST_F(PluginsPageTest, AFileAlreadyListedInAnyCaseIsRefusedAndTheBoxKeepsIt) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.ZPI"));
  auto page = OpenPage();
  for (const QString& path : {QStringLiteral("C:\\x\\Tool.zpi"), QStringLiteral("/other/COMMENTS.zpi")}) {
    ExpectDuplicate();
    BrowseAndAdd(*page, path);
    EXPECT_EQ(page->PluginTree()->topLevelItemCount(), kOrvantaDefaults + 1);
    EXPECT_EQ(page->item<QLineEdit>(CPluginsdlg::kPathEdit)->text(), path);
    EXPECT_TRUE(page->item<QPushButton>(CPluginsdlg::kAddButton)->isEnabled());
  }
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), QStringList{QStringLiteral("Tool")});
}

TEST_F(PluginsPageTest, AFileNameHoldingASemicolonIsRefused) {
  auto page = OpenPage();
  ExpectNotice(QStringLiteral("The plugin file name should not contain \";\"."));
  BrowseAndAdd(*page, QStringLiteral("/plugins/a;b.zpi"));
  EXPECT_EQ(page->PluginTree()->topLevelItemCount(), kOrvantaDefaults);
  EXPECT_TRUE(framework::ProfileEntries(kOrvantaSection).isEmpty());
}

TEST_F(PluginsPageTest, DeleteActsOnlyOnTheClickedItemNeverOnTheSelectedOne) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  auto page = OpenPage();
  framework::TreeView* tree = page->PluginTree();
  auto* remove = page->item<QPushButton>(CPluginsdlg::kDeleteButton);
  QTreeWidgetItem* tool = Row(*page, kOrvantaDefaults);

  // Selected with the keyboard, then by Add: still nothing to delete.
  tree->setFocus();
  tree->setCurrentItem(tool);
  QTest::keyClick(tree, Qt::Key_Down);
  remove->click();
  ExpectAdded();
  BrowseAndAdd(*page, QStringLiteral("/x/New.zpi"));
  remove->click();
  EXPECT_EQ(host.MessageBoxes().size(), 1u);  // the Add notice only
  EXPECT_EQ(tree->topLevelItemCount(), kOrvantaDefaults + 2);

  // A click, then an Add: Delete asks about the clicked item.
  Click(*page, tool);
  EXPECT_EQ(tree->DropHighlight(), tool);
  ExpectAdded();
  BrowseAndAdd(*page, QStringLiteral("/x/Newer.zpi"));
  ExpectDeleteQuestion(QStringLiteral("Tool"), MessageAnswer::Yes);
  remove->click();
  EXPECT_EQ(Captions(*page, kOrvantaDefaults), (QStringList{QStringLiteral("New"), QStringLiteral("Newer")}));
  EXPECT_EQ(tree->DropHighlight(), nullptr);
  const std::size_t boxes = host.MessageBoxes().size();
  remove->click();  // the highlighted item is gone
  EXPECT_EQ(host.MessageBoxes().size(), boxes);
}

TEST_F(PluginsPageTest, AClickOnNoItemRemovesTheHighlight) {
  framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 1033);
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  Store(kOrvantaSection, QStringLiteral("Stamp"), QStringLiteral("Stamp.zpi"));
  auto page = OpenPage();
  framework::TreeView* tree = page->PluginTree();
  Click(*page, Row(*page, 1));
  EXPECT_EQ(tree->DropHighlight(), Row(*page, 1));
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(5, tree->viewport()->height() - 2));
  EXPECT_EQ(tree->DropHighlight(), nullptr);
}

TEST_F(PluginsPageTest, ADefaultPluginIsNeverDeletedAndNoKeepsAnAddedOne) {
  Store(kOrvantaSection, QStringLiteral("Comments copy"), QStringLiteral("COMMENTS.zpi"));
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  auto page = OpenPage();
  auto* remove = page->item<QPushButton>(CPluginsdlg::kDeleteButton);
  for (const int row : {3, kOrvantaDefaults}) {  // a default, and a stored one with a default's file
    host.ExpectMessageBox(QStringLiteral("The highlighted plugin which is initialized should not be deleted."),
                          QString(), MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok);
    Click(*page, Row(*page, row));
    remove->click();
  }
  ExpectDeleteQuestion(QStringLiteral("Tool"), MessageAnswer::No);
  Click(*page, Row(*page, kOrvantaDefaults + 1));
  remove->click();
  EXPECT_EQ(page->PluginTree()->topLevelItemCount(), kOrvantaDefaults + 2);
  EXPECT_EQ(page->Model().AddedPlugins().size(), 2u);
}

TEST_F(PluginsPageTest, ADeletedStoredPluginGoesAtANormalEndButSurvivesTheRestart) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  Store(kOrvantaSection, QStringLiteral("Kept"), QStringLiteral("kept.zpi"));
  auto page = OpenPage();
  Click(*page, Row(*page, kOrvantaDefaults));
  ExpectDeleteQuestion(QStringLiteral("Tool"), MessageAnswer::Yes);
  page->item<QPushButton>(CPluginsdlg::kDeleteButton)->click();
  ExpectAdded();
  BrowseAndAdd(*page, QStringLiteral("/x/Added.zpi"));
  const QStringList afterAdd = {QStringLiteral("Tool"), QStringLiteral("Kept"), QStringLiteral("Added")};
  // The restart ends the process without destroying the page: what is stored now is what the
  // next run lists, the deleted plug-in included.
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), afterAdd);
  EXPECT_EQ(Captions(*OpenPage(), kOrvantaDefaults), afterAdd);

  page.reset();  // the normal end
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), (QStringList{QStringLiteral("Kept"), QStringLiteral("Added")}));
  EXPECT_EQ(framework::ProfileString(kOrvantaSection, QStringLiteral("Kept")), QStringLiteral("kept.zpi"));
}

TEST_F(PluginsPageTest, DeletingTheLastAddedPluginLeavesNoSectionBehind) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  {
    auto page = OpenPage();
    Click(*page, Row(*page, kOrvantaDefaults));
    ExpectDeleteQuestion(QStringLiteral("Tool"), MessageAnswer::Yes);
    page->item<QPushButton>(CPluginsdlg::kDeleteButton)->click();
  }
  EXPECT_TRUE(framework::ProfileEntries(kOrvantaSection).isEmpty());
  EXPECT_EQ(OpenPage()->PluginTree()->topLevelItemCount(), kOrvantaDefaults);
}

TEST_F(PluginsPageTest, OddNamesAndLongFileNamesComeBackExactly) {
  const QString longFile =
      QString(300, QLatin1Char('x')) + QStringLiteral("长") + QString(700, QLatin1Char('y')) + QStringLiteral(".zpi");
  const QList<std::pair<QString, QString>> stored = {
      {QStringLiteral("a/b\\c"), QStringLiteral("slashes.zpi")},
      {QStringLiteral("插件 = %25 [x]"), QStringLiteral("中文 名.zpi")},
      {QStringLiteral("Long"), longFile},
      {QStringLiteral("_0041"), QStringLiteral("underscore.zpi")},
  };
  for (const auto& [name, file] : stored) Store(kOrvantaSection, name, file);
  for (int run = 0; run < 2; ++run) {  // as stored by hand, then as rewritten by the page
    auto page = OpenPage();
    ASSERT_EQ(page->Model().Count(), static_cast<std::size_t>(kOrvantaDefaults + stored.size()));
    for (int i = 0; i < stored.size(); ++i) {
      const PluginItem& item = page->Model().Item(kOrvantaDefaults + i);
      EXPECT_EQ(QString::fromStdU16String(item.Name), stored[i].first);
      EXPECT_EQ(QString::fromStdU16String(item.PIPath), stored[i].second);
    }
  }
  auto page = OpenPage();
  ExpectDuplicate();
  BrowseAndAdd(*page, QStringLiteral("/plugins/") + longFile.toUpper());
}

TEST_F(PluginsPageTest, APageNeverCreatedLeavesTheStoredPluginsAlone) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  { CPluginsdlg unused; }
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), QStringList{QStringLiteral("Tool")});
}

TEST_F(PluginsPageTest, AHiddenNameTheListLacksIsListedTickedButNeverStored) {
  Store(kOrvantaSection, QStringLiteral("Tool"), QStringLiteral("tool.zpi"));
  {
    auto page = OpenPage();
    const XmlTreePtr root = Parse(
        "<Orvanta><Profstore><Plugins><Plugin UnloadPluginArray=\"Upgrade.zpi;TOOL.zpi;My.Extra.zpi;\"/>"
        "</Plugins></Profstore></Orvanta>");
    page->ApplyPluginSection(root.get());
    // Once only, however often the tree is applied again.
    page->ApplyPluginSection(root.get());
    EXPECT_EQ(Captions(*page, kOrvantaDefaults),
              (QStringList{QStringLiteral("Tool"), QStringLiteral("Upgrade"), QStringLiteral("My.Extra")}));
    for (int row = kOrvantaDefaults; row < kOrvantaDefaults + 3; ++row) {
      EXPECT_TRUE(page->PluginTree()->Checked(Row(*page, row))) << row;
    }
    EXPECT_EQ(page->Model().HiddenFileNames(),
              (std::vector<std::u16string>{u"tool.zpi", u"Upgrade.zpi", u"My.Extra.zpi"}));
    EXPECT_EQ(page->Model().AddedPlugins().size(), 1u);
    // Unticked, it is no longer hidden.
    page->Model().SetCheckedByFileName(u"upgrade.zpi", false);
    EXPECT_EQ(page->Model().HiddenFileNames(), (std::vector<std::u16string>{u"tool.zpi", u"My.Extra.zpi"}));
  }
  EXPECT_EQ(framework::ProfileEntries(kOrvantaSection), QStringList{QStringLiteral("Tool")});
}

TEST_F(PluginsPageTest, TheTreeAndTheModelShowTheSameChecks) {
  auto page = OpenPage();
  framework::TreeView* tree = page->PluginTree();
  // The person's own toggle, with the keyboard.
  tree->setFocus();
  tree->setCurrentItem(Row(*page, 1));
  QTest::keyClick(tree, Qt::Key_Space);
  EXPECT_TRUE(page->Model().Checked(1));
  // A load, through the model or through the page.
  const XmlTreePtr root = Parse(
      "<Orvanta><Profstore><Plugins><Plugin UnloadPluginArray=\"comments.zpi;STAMPS.ZPI;unknown.zpi;TouchMode.zpi\"/>"
      "</Plugins></Profstore></Orvanta>");
  page->ApplyPluginSection(root.get());
  EXPECT_EQ(tree->StateImage(Row(*page, 0)), 2);
  EXPECT_EQ(tree->StateImage(Row(*page, 1)), 2);
  EXPECT_FALSE(tree->Checked(Row(*page, 2)));
  EXPECT_FALSE(tree->Checked(Row(*page, kOrvantaDefaults - 1)));  // no ";" after it
  EXPECT_EQ(page->Model().HiddenFileNames(),
            (std::vector<std::u16string>{u"Comments.zpi", u"Stamps.zpi", u"unknown.zpi"}));
  page->Model().SetCheckedByFileName(u"stamps.zpi", false);
  EXPECT_FALSE(tree->Checked(Row(*page, 1)));
  const XmlTreePtr none = Parse("<Orvanta><Profstore><Plugins/></Profstore></Orvanta>");
  page->ApplyPluginSection(none.get());
  EXPECT_TRUE(tree->Checked(Row(*page, 0)));
}

TEST_F(PluginsPageTest, FindNarrowsTheListAndTheCountFollowsTheTicks) {
  auto page = OpenPage();
  QLineEdit* find = page->FindEdit();
  QLabel* count = page->HiddenCountLabel();
  ASSERT_NE(find, nullptr);
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(find->accessibleName(), QStringLiteral("Find:"));
  EXPECT_EQ(count->text(), QStringLiteral("0 plug-ins hidden"));
  const QString caption = Row(*page, 3)->text(0);
  find->setText(caption.toUpper());
  int shown = 0;
  for (int row = 0; row < page->PluginTree()->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = Row(*page, row);
    if (!item->isHidden()) {
      ++shown;
      EXPECT_TRUE(item->text(0).contains(caption, Qt::CaseInsensitive) ||
                  QString::fromStdU16String(page->Model().Item(row).PIPath).contains(caption, Qt::CaseInsensitive));
    }
  }
  EXPECT_GE(shown, 1);
  EXPECT_LT(shown, kOrvantaDefaults);
  page->PluginTree()->SetChecked(Row(*page, 3), true);
  EXPECT_EQ(count->text(), QStringLiteral("1 plug-ins hidden"));
  // A plug-in added while a filter is on is listed only if it matches.
  host.AnswerFileDialog(QStringLiteral("/opt/tools/Unrelated.zpi"));
  page->item<QPushButton>(CPluginsdlg::kBrowseButton)->click();
  host.AnswerMessageBox(MessageAnswer::Ok);
  page->OnAdd();
  EXPECT_TRUE(Row(*page, page->PluginTree()->topLevelItemCount() - 1)->isHidden());
  find->setFocus();
  QTest::keyClick(find, Qt::Key_Escape);
  for (int row = 0; row < page->PluginTree()->topLevelItemCount(); ++row) EXPECT_FALSE(Row(*page, row)->isHidden());
  EXPECT_EQ(count->text(), QStringLiteral("1 plug-ins hidden"));
  // The list stays the first stop; the find field follows it.
  const std::vector<QWidget*> chain = page->FocusChain();
  ASSERT_GE(chain.size(), 3u);
  EXPECT_EQ(chain[0], page->PluginTree());
  EXPECT_EQ(chain[1], find);
  EXPECT_EQ(chain[2], page->item(CPluginsdlg::kDeleteButton));
}

}  // namespace
}  // namespace cadmira::pages
