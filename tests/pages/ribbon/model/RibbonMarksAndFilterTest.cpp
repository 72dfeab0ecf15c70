#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/XmlTree.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonFilter.h"
#include "pages/ribbon/model/RibbonMarks.h"
#include "pages/ribbon/model/RibbonTree.h"

namespace cadmira::pages {
namespace {

using Node = CRibbonTree::Node;

XmlTreePtr Parse(const std::string& text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

constexpr const char* kDefinition =
    "<RibbonUI>"
    "<TabElements><Control Name=\"File_Main_Save\" Title=\"Save\"/></TabElements>"
    "<Category Name=\"Ribbon_Category_View\" Title=\"View\">"
    " <Panel Name=\"View_Panel_ViewSetting\" Title=\"View Setting\">"
    "  <Control Name=\"View_Setting_StatusBar\" Title=\"\xE7\x8A\xB6\xE6\x80\x81\xE6\xA0\x8F\"/>"
    "  <Control Name=\"View_Setting_Navigation\" Title=\"Navigation\">"
    "   <SubItem Name=\"View_Setting_Bookmarks\" Title=\"Bookmarks\"/>"
    "   <SubItem Name=\"View_Setting_Layers\" Title=\"Layers\"/>"
    "  </Control>"
    " </Panel>"
    " <Panel Name=\"View_Panel_Zoom\" Title=\"Zoom\"><Control Name=\"View_Zoom_In\" Title=\"Zoom In\"/></Panel>"
    "</Category>"
    "</RibbonUI>";

class RibbonMarksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const XmlTreePtr definition = Parse(kDefinition);
    ASSERT_NE(definition, nullptr);
    tree.Fill(definition.get(), kEnglishLangId);
    ASSERT_EQ(tree.NodeCount(), 10);
  }

  Node At(std::vector<std::u16string> names) const { return tree.FindPath(names); }

  // The titles of the shown items, in tree order.
  std::vector<std::u16string> Shown(std::u16string_view text) const {
    const std::vector<bool> shown = ShownByFilter(tree, text);
    std::vector<std::u16string> titles;
    for (Node node = 0; node < tree.NodeCount(); ++node) {
      if (shown[node]) titles.push_back(tree.Record(node).Title);
    }
    return titles;
  }

  CRibbonTree tree;
};

TEST_F(RibbonMarksTest, ABranchWithSomeTickedItemsBelowIsPartlyChecked) {
  const Node view = At({u"Ribbon_Category_View"});
  const Node setting = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting"});
  const Node navigation = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation"});
  const Node layers =
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"});
  const Node zoom = At({u"Ribbon_Category_View", u"View_Panel_Zoom"});

  std::vector<CheckMark> marks = CheckMarks(tree);
  EXPECT_EQ(std::count(marks.begin(), marks.end(), CheckMark::Unchecked), tree.NodeCount());
  EXPECT_EQ(HiddenItemCount(tree), 0u);

  tree.PropagateCheck(layers, true);
  marks = CheckMarks(tree);
  EXPECT_EQ(marks[layers], CheckMark::Checked);
  EXPECT_EQ(marks[navigation], CheckMark::PartlyChecked);
  EXPECT_EQ(marks[setting], CheckMark::PartlyChecked);
  EXPECT_EQ(marks[view], CheckMark::PartlyChecked);
  EXPECT_EQ(marks[zoom], CheckMark::Unchecked);
  EXPECT_EQ(marks[At({u""})], CheckMark::Unchecked);
  EXPECT_EQ(HiddenItemCount(tree), 1u);

  // The whole Navigation control ticked: it is checked, its ancestors still partly.
  tree.PropagateCheck(navigation, true);
  marks = CheckMarks(tree);
  EXPECT_EQ(marks[navigation], CheckMark::Checked);
  EXPECT_EQ(marks[setting], CheckMark::PartlyChecked);
  EXPECT_EQ(HiddenItemCount(tree), 3u);

  // The whole category ticked: all checked, none partly.
  tree.PropagateCheck(view, true);
  marks = CheckMarks(tree);
  EXPECT_EQ(marks[view], CheckMark::Checked);
  EXPECT_EQ(std::count(marks.begin(), marks.end(), CheckMark::PartlyChecked), 0);
  EXPECT_EQ(HiddenItemCount(tree), 8u);

  // The keyboard unticks the category alone: what it writes is its children, so it shows partly.
  tree.SetChecked(view, false);
  EXPECT_EQ(CheckMarks(tree)[view], CheckMark::PartlyChecked);
  tree.ClearRibbonChecks();
  marks = CheckMarks(tree);
  EXPECT_EQ(std::count(marks.begin(), marks.end(), CheckMark::Unchecked), tree.NodeCount());
}

TEST_F(RibbonMarksTest, AFilterShowsTheMatchesWithTheirAncestors) {
  const std::vector<std::u16string> all = Shown(u"");
  EXPECT_EQ(all.size(), 10u);
  EXPECT_EQ(Shown(u"LAYERS"), (std::vector<std::u16string>{u"View", u"View Setting", u"Navigation", u"Layers"}));
  // By Name as well as by title.
  EXPECT_EQ(Shown(u"zoom_in"), (std::vector<std::u16string>{u"View", u"Zoom", u"Zoom In"}));
  // A match's descendants that do not match stay hidden.
  EXPECT_EQ(Shown(u"navigation"), (std::vector<std::u16string>{u"View", u"View Setting", u"Navigation"}));
  EXPECT_EQ(Shown(u"\u72B6\u6001"), (std::vector<std::u16string>{u"View", u"View Setting", u"\u72B6\u6001\u680F"}));
  EXPECT_EQ(Shown(u"TabElements"), (std::vector<std::u16string>{u"TabElements"}));
  EXPECT_TRUE(Shown(u"no such control").empty());
}

TEST_F(RibbonMarksTest, ChecksMadeUnderAFilterAreRealChecksWithTheUsualPropagation) {
  const std::vector<bool> shown = ShownByFilter(tree, u"Layers");
  const Node layers =
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"});
  const Node bookmarks =
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Bookmarks"});
  const Node navigation = tree.Parent(layers);
  ASSERT_TRUE(shown[navigation]);
  ASSERT_FALSE(shown[bookmarks]);
  // Ticking the shown Navigation control hides its filtered-out Bookmarks too.
  tree.ClickCheckBox(navigation);
  tree.SetChecked(navigation, true);
  EXPECT_TRUE(tree.Checked(bookmarks));
  EXPECT_TRUE(tree.Checked(layers));
  const std::vector<document::RibbonPath> hidden = tree.HiddenPaths();
  ASSERT_EQ(hidden.size(), 1u);
  EXPECT_EQ(hidden[0].back(), u"View_Setting_Navigation");
}

TEST(RibbonFilterTest, FindsInTheLargestDefinition) {
  const XmlTreePtr definition = LoadRibbonDefinition(resources::Product::Orvanta, kChineseLangId);
  ASSERT_NE(definition, nullptr);
  CRibbonTree tree;
  tree.Fill(definition.get(), kChineseLangId);
  const std::vector<bool> shown = ShownByFilter(tree, u"statusbar");
  const Node statusBar = tree.FindPath(
      std::vector<std::u16string>{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
  ASSERT_NE(statusBar, CRibbonTree::kNoNode);
  EXPECT_TRUE(shown[statusBar]);
  EXPECT_TRUE(shown[tree.Parent(statusBar)]);
  EXPECT_LT(std::count(shown.begin(), shown.end(), true), tree.NodeCount() / 10);
  // The Chinese title of the save control.
  const std::vector<bool> save = ShownByFilter(tree, u"\u4FDD\u5B58");
  EXPECT_GT(std::count(save.begin(), save.end(), true), 1);
}

}  // namespace
}  // namespace cadmira::pages
