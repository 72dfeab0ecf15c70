#include "pages/ribbon/Ribbondlg.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidgetItemIterator>

#include <cstring>
#include <string>
#include <vector>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/HideRibbonPath.h"
#include "framework/ProfileStore.h"
#include "framework/TreeView.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::pages {
namespace {

using Node = CRibbonTree::Node;

XmlTreePtr Parse(const char* text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text), std::strlen(text)));
}

class RibbondlgTest : public ::testing::Test {
 protected:
  // A page of the stored product and language, shown as the main window shows it.
  void Open(int verid, int langid) {
    framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), verid);
    framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), langid);
    page = std::make_unique<CRibbondlg>();
    ASSERT_TRUE(page->Create(&owner));
    owner.resize(page->size());
    owner.show();
    tree = page->RibbonTree();
    ASSERT_NE(tree, nullptr);
  }

  QTreeWidgetItem* At(std::vector<std::u16string> names) const {
    const Node node = page->Tree().FindPath(names);
    EXPECT_NE(node, CRibbonTree::kNoNode);
    return page->Item(node);
  }

  // A point on the item's check box, or on its text, in the tree's viewport.
  QPoint PointOn(QTreeWidgetItem* item, bool box) const {
    tree->scrollToItem(item);
    const QRect row = tree->visualItemRect(item);
    for (int x = row.left(); x < row.right(); ++x) {
      const QPoint point(x, row.center().y());
      if (tree->HitTest(point).onStateIcon == box) {
        if (box || x > row.left() + 30) return point;
      }
    }
    ADD_FAILURE() << "no such point";
    return {};
  }

  void Click(QTreeWidgetItem* item, bool box = true) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, PointOn(item, box));
  }

  // The view's checked items by Name, in tree order; it must agree with the ribbon tree.
  std::vector<std::u16string> Checked() const {
    std::vector<std::u16string> names;
    for (Node node = 0; node < page->Tree().NodeCount(); ++node) {
      EXPECT_EQ(tree->Checked(page->Item(node)), page->Tree().Checked(node)) << node;
      if (tree->Checked(page->Item(node))) names.push_back(page->Tree().Record(node).Name);
    }
    return names;
  }

  // The RibbonUI section the page writes, after the status-bar preference's own path when asked.
  std::string Written(bool statusBarHidden = false) const {
    document::CWriteContext context;
    EXPECT_TRUE(document::BuildDocument(context, resources::Product::Orvanta));
    if (statusBarHidden) {
      document::HideRibbonPath(context,
                               {u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
    }
    page->WriteRibbonSection(context);
    const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
    const std::string xml(bytes.begin(), bytes.end());
    const auto begin = xml.find("<RibbonUI");
    return xml.substr(begin, xml.find("</Profstore>") - begin);
  }

  TempProfile profile;
  QWidget owner;
  std::unique_ptr<CRibbondlg> page;
  framework::TreeView* tree = nullptr;
};

TEST_F(RibbondlgTest, TextsComeFromTheStringTable) {
  Open(0, 49001);
  EXPECT_EQ(page->item<QLabel>(1028)->text(), QStringLiteral("Ribbon Options:"));
  EXPECT_EQ(page->item<QGroupBox>(1026)->title(), QStringLiteral("Description"));
  EXPECT_EQ(page->item<QPlainTextEdit>(1025)->toPlainText(),
            QStringLiteral("Check any configuration item of this Ribbon, the corresponding Ribbon will be hidden."));
}

TEST_F(RibbondlgTest, TheTreeShowsTheStoredProductsRibbonInTheStoredLanguage) {
  struct Case {
    int verid, langid, tabs;
    const char* first;
    const char* view;
  };
  const Case cases[] = {{0, 49001, 15, "TabElements", "View"},
                        {5, 49007, 15, "标签元素", "视图"},
                        {1, 49001, 11, "TabElements", "View"},
                        {1, 49007, 11, "标签元素", "视图"}};
  for (const Case& c : cases) {
    Open(c.verid, c.langid);
    ASSERT_EQ(tree->topLevelItemCount(), c.tabs) << c.verid << " " << c.langid;
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QString::fromUtf8(c.first));
    EXPECT_EQ(At({u"Ribbon_Category_View"})->text(0), QString::fromUtf8(c.view));
    EXPECT_EQ(page->Record(At({u"Ribbon_Category_View"}))->Name, u"Ribbon_Category_View");
    // Every branch has its items, and opening it shows them.
    for (Node node = 0; node < page->Tree().NodeCount(); ++node) {
      QTreeWidgetItem* item = page->Item(node);
      ASSERT_NE(item, nullptr);
      EXPECT_FALSE(tree->Checked(item) || item->isExpanded());
      EXPECT_EQ(item->text(0), QString::fromStdU16String(page->Tree().Record(node).Title));
    }
    int items = 0;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) ++items;
    EXPECT_EQ(items, page->Tree().NodeCount());
    EXPECT_GT(items, c.verid == 1 ? 250 : 450);
  }
}

TEST_F(RibbondlgTest, AClickOnACheckBoxCarriesTheCheckDownAndUp) {
  Open(0, 49001);
  QTreeWidgetItem* view = At({u"Ribbon_Category_View"});
  QTreeWidgetItem* settings = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting"});
  view->setExpanded(true);
  settings->setExpanded(true);
  Click(settings);
  EXPECT_TRUE(tree->Checked(settings));
  EXPECT_EQ(tree->DropHighlight(), settings);
  for (int i = 0; i < settings->childCount(); ++i) EXPECT_TRUE(tree->Checked(settings->child(i)));
  EXPECT_FALSE(tree->Checked(view));

  // Unchecking one control unchecks the panel; checking it again completes the panel.
  QTreeWidgetItem* statusBar = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
  Click(statusBar);
  EXPECT_FALSE(tree->Checked(statusBar) || tree->Checked(settings));
  EXPECT_TRUE(tree->Checked(settings->child(0)));
  Click(statusBar);
  EXPECT_TRUE(tree->Checked(settings));
  EXPECT_EQ(Written(),
            "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\" Visible=\"0\"/>"
            "</Category></RibbonUI>");

  // A click beside the box only moves the highlight.
  Click(statusBar, false);
  EXPECT_EQ(tree->DropHighlight(), statusBar);
  EXPECT_TRUE(tree->Checked(statusBar));
  Click(view);
  EXPECT_TRUE(tree->Checked(view));
  EXPECT_EQ(Checked().size(),
            static_cast<std::size_t>(page->Tree().SubtreeEnd(page->NodeOf(view)) - page->NodeOf(view)));
  // A click below the last item removes the highlight.
  tree->collapseAll();
  const QRect last = tree->visualItemRect(tree->topLevelItem(tree->topLevelItemCount() - 1));
  ASSERT_LT(last.bottom() + 4, tree->viewport()->height());
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(4, last.bottom() + 4));
  EXPECT_EQ(tree->DropHighlight(), nullptr);
}

TEST_F(RibbondlgTest, ABranchOpenedAfterAClickShowsItsItemsChecked) {
  Open(1, 49007);
  QTreeWidgetItem* comment = tree->topLevelItem(2);
  ASSERT_EQ(page->Record(comment)->Name, u"Ribbon_Category_Comment");
  EXPECT_EQ(comment->childCount(), 0);
  Click(comment);
  EXPECT_TRUE(tree->Checked(comment));
  comment->setExpanded(true);
  ASSERT_GT(comment->childCount(), 5);
  QTreeWidgetItem* pin = comment->child(2);
  EXPECT_EQ(pin->text(0), QStringLiteral("图钉"));
  EXPECT_TRUE(tree->Checked(pin));
  pin->setExpanded(true);
  ASSERT_EQ(pin->childCount(), 2);
  Click(pin->child(1));
  EXPECT_FALSE(tree->Checked(pin->child(1)) || tree->Checked(pin) || tree->Checked(comment));
  EXPECT_TRUE(tree->Checked(pin->child(0)) && tree->Checked(comment->child(0)));
}

struct ClickCase {
  const char* name;
  std::vector<std::vector<std::u16string>> clicks;  // check boxes clicked, in this order
  bool statusBarHidden;
  const char* expected;
};

class RibbondlgClicks : public RibbondlgTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(RibbondlgClicks, WriteWhatTheClicksHid) {
  Open(0, 49001);
  for (const auto& path : GetParam().clicks) Click(At(path));
  EXPECT_EQ(Written(GetParam().statusBarHidden), GetParam().expected);
}

const ClickCase kClickCases[] = {
    {"TabElementsHidesEachOfItsControls",
     {{u""}},
     false,
     "<RibbonUI><TabElements><Control Name=\"File_Main_Save\" Visible=\"0\"/><Control Name=\"File_Main_Print\" "
     "Visible=\"0\"/><Control Name=\"File_Main_Undo\" Visible=\"0\"/><Control Name=\"File_Main_Redo\" Visible=\"0\"/>"
     "<Control Name=\"File_Main_InputMode\" Visible=\"0\"/><Control Name=\"File_Main_Customize\" Visible=\"0\"/>"
     "<Control Name=\"File_Main_Search\" Visible=\"0\"/><Control Name=\"File_Main_Account\" Visible=\"0\"/>"
     "</TabElements></RibbonUI>"},
    {"ACategoryIsWrittenAlone",
     {{u"Ribbon_Category_Comment"}},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Comment\" Visible=\"0\"/></RibbonUI>"},
    {"TheLastChildCompletesItsPanel",
     {{u"Ribbon_Category_Comment", u"Comment_Panel_Pin", u"Comment_Pin_Note"},
      {u"Ribbon_Category_Comment", u"Comment_Panel_Pin", u"Comment_Pin_File"}},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Comment\"><Panel Name=\"Comment_Panel_Pin\" Visible=\"0\"/>"
     "</Category></RibbonUI>"},
    {"AnUncheckedChildLeavesItsSiblings",
     {{u"Ribbon_Category_Comment", u"Comment_Panel_Pin"},
      {u"Ribbon_Category_Comment", u"Comment_Panel_Pin", u"Comment_Pin_File"}},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Comment\"><Panel Name=\"Comment_Panel_Pin\">"
     "<Control Name=\"Comment_Pin_Note\" Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"TheAnnotationControlTakesItsLabel",
     {{u"Ribbon_Category_Format", u"Format_Panel_Setting", u"Format_Setting_Annotation"}},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Format\"><Panel Name=\"Format_Panel_Setting\">"
     "<Control Name=\"Format_Setting_Annotation\" Visible=\"0\"/><Control Name=\"Format_Setting_AnnotLabel\" "
     "Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"TheStatusBarSharesTheViewPanel",
     {{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_NightMode"}, {u"", u"File_Main_Print"}},
     true,
     "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
     "<Control Name=\"View_Setting_StatusBar\" Visible=\"0\"/><Control Name=\"View_Setting_NightMode\" "
     "Visible=\"0\"/></Panel></Category><TabElements><Control Name=\"File_Main_Print\" Visible=\"0\"/>"
     "</TabElements></RibbonUI>"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RibbondlgClicks, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RibbondlgTest, SpaceTogglesTheCurrentItemAlone) {
  Open(1, 49001);
  QTreeWidgetItem* input = At({u"", u"File_Main_InputMode"});
  QTreeWidgetItem* touch = At({u"", u"File_Main_InputMode", u"File_Main_InputMode_Touch"});
  QTreeWidgetItem* mouse = At({u"", u"File_Main_InputMode", u"File_Main_InputMode_Mouse"});
  tree->setFocus();
  for (QTreeWidgetItem* item : {touch, mouse}) {
    tree->setCurrentItem(item);
    QTest::keyClick(tree, Qt::Key_Space);
  }
  EXPECT_EQ(Checked(), (std::vector<std::u16string>{u"File_Main_InputMode_Touch", u"File_Main_InputMode_Mouse"}));
  EXPECT_FALSE(tree->Checked(input));
  EXPECT_EQ(Written(),
            "<RibbonUI><TabElements><Control Name=\"File_Main_InputMode\" Visible=\"0\">"
            "<SubItem Name=\"File_Main_InputMode_Mouse\" Visible=\"0\"/></Control></TabElements></RibbonUI>");
}

TEST_F(RibbondlgTest, ALoadedFileChecksItemsInCollapsedBranchesAndOpensThem) {
  Open(0, 49007);
  const XmlTreePtr root = Parse(
      "<OrvantaPDF><Profstore><Preferences/><RibbonUI>"
      "<Category Name=\"ribbon_category_view\"><Panel Name=\"View_Panel_ViewSetting\">"
      "<Control Name=\"View_Setting_Navigation\"><SubItem Name=\"View_Setting_Layers\" Visible=\"0\"/></Control>"
      "</Panel></Category><TabElements><Control Name=\"File_Main_Save\" Visible=\"0\"/></TabElements>"
      "<Category Name=\"Ribbon_Category_Upgrade\" Visible=\"0\"/>"
      "</RibbonUI></Profstore></OrvantaPDF>");
  page->ApplyRibbonSection(root.get());
  EXPECT_EQ(Checked(), (std::vector<std::u16string>{u"File_Main_Save", u"View_Setting_Layers"}));
  QTreeWidgetItem* layers =
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"});
  for (QTreeWidgetItem* ancestor = layers->parent(); ancestor != nullptr; ancestor = ancestor->parent()) {
    EXPECT_TRUE(ancestor->isExpanded());
  }
  EXPECT_FALSE(layers->isExpanded());
  page->ClearRibbonChecks();
  EXPECT_TRUE(Checked().empty());
  EXPECT_EQ(Written(), "<RibbonUI/>");
}

TEST_F(RibbondlgTest, AnotherProductsHiddenElementsAreIgnored) {
  Open(1, 49001);
  const XmlTreePtr root = Parse(
      "<OrvantaPDF><Profstore><Preferences/><RibbonUI>"
      "<Category Name=\"Ribbon_Category_Convert\" Visible=\"0\"/>"
      "<Category Name=\"Ribbon_Category_Home\"><Panel Name=\"Home_Panel_Edit\" Visible=\"0\"/>"
      "<Panel Name=\"Home_Panel_Share\"><Control Name=\"Home_Share_Email\" Visible=\"0\"/></Panel></Category>"
      "</RibbonUI></Profstore></OrvantaPDF>");
  page->ApplyRibbonSection(root.get());
  EXPECT_EQ(Checked(), (std::vector<std::u16string>{u"Home_Share_Email"}));
}

TEST_F(RibbondlgTest, FindShowsTheMatchesWithTheirAncestorsOpenAndClearingRestoresTheTree) {
  Open(0, 49007);
  QLineEdit* find = page->FindEdit();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(find->accessibleName(), page->item<QLabel>(1101)->text());
  // The tree keeps its own name.
  EXPECT_NE(tree->accessibleName(), find->accessibleName());
  QTreeWidgetItem* first = tree->topLevelItem(0);
  first->setExpanded(true);
  const int topLevel = tree->topLevelItemCount();

  find->setText(QStringLiteral("View_Setting_StatusBar"));
  QTreeWidgetItem* statusBar = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
  EXPECT_FALSE(statusBar->isHidden());
  EXPECT_TRUE(statusBar->parent()->isExpanded() && statusBar->parent()->parent()->isExpanded());
  int shownTopLevel = 0;
  for (int i = 0; i < topLevel; ++i) shownTopLevel += tree->topLevelItem(i)->isHidden() ? 0 : 1;
  EXPECT_EQ(shownTopLevel, 1);
  for (int i = 0; i < statusBar->parent()->childCount(); ++i) {
    QTreeWidgetItem* sibling = statusBar->parent()->child(i);
    EXPECT_EQ(sibling->isHidden(), sibling != statusBar);
  }

  find->setText(QString());
  for (int i = 0; i < topLevel; ++i) EXPECT_FALSE(tree->topLevelItem(i)->isHidden());
  EXPECT_TRUE(first->isExpanded());
  EXPECT_FALSE(statusBar->isHidden());
  EXPECT_FALSE(statusBar->parent()->isExpanded());
  EXPECT_FALSE(statusBar->parent()->parent()->isExpanded());
}

TEST_F(RibbondlgTest, ChecksUnderAFilterAreRealAndTheBranchesShowThemPartlyWithACount) {
  Open(0, 49001);
  QLabel* count = page->HiddenCountLabel();
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->text(), QStringLiteral("0 controls hidden"));
  page->FindEdit()->setText(QStringLiteral("statusbar"));
  QTreeWidgetItem* statusBar = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
  QTreeWidgetItem* panel = statusBar->parent();
  Click(statusBar);
  EXPECT_TRUE(tree->Checked(statusBar));
  EXPECT_EQ(count->text(), QStringLiteral("1 controls hidden"));
  EXPECT_TRUE(tree->PartlyChecked(panel));
  EXPECT_TRUE(tree->PartlyChecked(panel->parent()));
  EXPECT_FALSE(tree->Checked(panel));

  // The panel ticked through the filter hides its filtered-out controls too.
  Click(panel);
  EXPECT_TRUE(tree->Checked(panel));
  EXPECT_FALSE(tree->PartlyChecked(panel));
  page->FindEdit()->clear();
  for (int i = 0; i < panel->childCount(); ++i) EXPECT_TRUE(tree->Checked(panel->child(i)));
  // The panel and everything below it.
  const Node panelNode = page->NodeOf(panel);
  EXPECT_EQ(count->text(), QStringLiteral("%1 controls hidden").arg(page->Tree().SubtreeEnd(panelNode) - panelNode));
  EXPECT_TRUE(Written().find("Visible=\"0\"") != std::string::npos);

  page->ClearRibbonChecks();
  EXPECT_FALSE(tree->PartlyChecked(panel->parent()));
  EXPECT_EQ(count->text(), QStringLiteral("0 controls hidden"));
}

}  // namespace
}  // namespace cadmira::pages
