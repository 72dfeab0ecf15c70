#include "pages/ribbon/model/RibbonTree.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/HideRibbonPath.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonTreeObserver.h"

namespace cadmira::pages {
namespace {

using Node = CRibbonTree::Node;
using document::RibbonPath;

XmlTreePtr Parse(const std::string& text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

constexpr const char* kDefinition =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<RibbonUI>\n"
    " <TabElements>\n"
    "  <Control Name=\"File_Main_Save\" Title=\"Save\" Key=\"1\"/>\n"
    "  <Control Name=\"TabElements_Separator1\" Key=\"\"/>\n"
    "  <Control Name=\"File_Main_InputMode\" Title=\"Input Mode\" Key=\"5\">\n"
    "   <SubItem Name=\"File_Main_InputMode_Touch\" Title=\"Touch\" Key=\"\"/>\n"
    "   <SubItem Name=\"File_Main_InputMode_Mouse\" Title=\"Mouse\" Key=\"\"/>\n"
    "   <SubItem Name=\"File_Main_InputMode_Pen\" Title=\"Pen\" Key=\"\"/>\n"
    "  </Control>\n"
    "  <Control Name=\"File_Main_Upgrade\" Title=\"UPGRADE to business\"><SubItem Name=\"Buy\" Title=\"Buy\"/></Control>\n"
    " </TabElements>\n"
    " <Category Name=\"Ribbon_Category_View\" Title=\"View &amp; Zoom\" Key=\"V\">\n"
    "  <Panel Name=\"View_Panel_ViewSetting\" Title=\"View Setting\">\n"
    "   <Control Name=\"View_Setting_StatusBar\" Title=\"Status Bar\" Key=\"SB\"/>\n"
    "   <Control Name=\"View_Setting_Navigation\" Title=\"Navigation\" bCSH=\"1\">\n"
    "    <SubItem Name=\"View_Setting_Bookmarks\" Title=\"Bookmarks\"/>\n"
    "    <SubItem Name=\"View_Setting_Layers\" Title=\"Layers\"/>\n"
    "   </Control>\n"
    "  </Panel>\n"
    "  <Panel Name=\"View_Panel_Zoom\" Title=\"Zoom\"><Control Name=\"View_Zoom_In\" Title=\"Zoom In\"/></Panel>\n"
    " </Category>\n"
    " <Category Name=\"Ribbon_Category_Format\" Title=\"Format\">\n"
    "  <Panel Name=\"Format_Panel_Setting\" Title=\"Setting\">\n"
    "   <Control Name=\"Format_Setting_Annotation\" Title=\"Annotation\"/>\n"
    "  </Panel>\n"
    " </Category>\n"
    " <Category Name=\"Ribbon_Category_Untitled\"><Panel Name=\"Lost\" Title=\"Lost\"/></Category>\n"
    "</RibbonUI>\n";

class RibbonTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const XmlTreePtr definition = Parse(kDefinition);
    ASSERT_NE(definition, nullptr);
    tree.Fill(definition.get(), kEnglishLangId);
  }

  Node At(std::vector<std::u16string> names) const {
    const Node node = tree.FindPath(names);
    EXPECT_NE(node, CRibbonTree::kNoNode);
    return node;
  }

  // The Names of the checked items, "" standing for TabElements, in tree order.
  std::vector<std::u16string> CheckedNames() const {
    std::vector<std::u16string> names;
    for (Node node = 0; node < tree.NodeCount(); ++node) {
      if (tree.Checked(node)) names.push_back(tree.Record(node).Name);
    }
    return names;
  }

  // The RibbonUI section of a fresh document after the write walk, with the status-bar
  // preference's own path hidden first when asked.
  std::string WrittenSection(bool statusBarHidden = false) const {
    document::CWriteContext context;
    EXPECT_TRUE(document::BuildDocument(context, resources::Product::Reader));
    if (statusBarHidden) {
      document::HideRibbonPath(context,
                               {u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
    }
    tree.WriteRibbonSection(context);
    const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
    const std::string xml(bytes.begin(), bytes.end());
    const auto begin = xml.find("<RibbonUI");
    return xml.substr(begin, xml.find("</Profstore>") - begin);
  }

  CRibbonTree tree;
};

TEST_F(RibbonTreeTest, FillKeepsEveryRecordButShowsOnlyTitledElements) {
  std::vector<std::u16string> recorded;
  for (const RibbonItem& record : tree.Records()) recorded.push_back(record.Name);
  // The separator, the upgrade control and the untitled category keep a record; what lies below
  // the last two is never visited.
  const std::vector<std::u16string> expectedRecords = {u"",
                                                       u"File_Main_Save",
                                                       u"TabElements_Separator1",
                                                       u"File_Main_InputMode",
                                                       u"File_Main_InputMode_Touch",
                                                       u"File_Main_InputMode_Mouse",
                                                       u"File_Main_InputMode_Pen",
                                                       u"File_Main_Upgrade",
                                                       u"Ribbon_Category_View",
                                                       u"View_Panel_ViewSetting",
                                                       u"View_Setting_StatusBar",
                                                       u"View_Setting_Navigation",
                                                       u"View_Setting_Bookmarks",
                                                       u"View_Setting_Layers",
                                                       u"View_Panel_Zoom",
                                                       u"View_Zoom_In",
                                                       u"Ribbon_Category_Format",
                                                       u"Format_Panel_Setting",
                                                       u"Format_Setting_Annotation",
                                                       u"Ribbon_Category_Untitled"};
  EXPECT_EQ(recorded, expectedRecords);

  std::vector<std::u16string> shown;
  for (Node node = 0; node < tree.NodeCount(); ++node) {
    shown.push_back(std::u16string(static_cast<std::size_t>(tree.PathOf(node).size() - 1), u' ') +
                    tree.Record(node).Title);
  }
  const std::vector<std::u16string> expectedShown = {
      u"TabElements", u" Save",         u" Input Mode",  u"  Touch",      u"  Mouse",      u"  Pen",
      u"View & Zoom", u" View Setting", u"  Status Bar", u"  Navigation", u"   Bookmarks", u"   Layers",
      u" Zoom",       u"  Zoom In",     u"Format",       u" Setting",     u"  Annotation"};
  EXPECT_EQ(shown, expectedShown);
  for (Node node = 0; node < tree.NodeCount(); ++node) EXPECT_FALSE(tree.Checked(node) || tree.Expanded(node));
}

TEST(RibbonTreeFill, TheTabElementsCaptionFollowsTheLanguage) {
  const XmlTreePtr definition = Parse(kDefinition);
  const std::pair<int, std::u16string> cases[] = {{kEnglishLangId, u"TabElements"}, {kChineseLangId, u"标签元素"}};
  for (const auto& [langid, title] : cases) {
    CRibbonTree tree;
    tree.Fill(definition.get(), langid);
    EXPECT_EQ(tree.Record(tree.FirstTopLevel()).Title, title);
  }
  // Any other language leaves TabElements untitled, so it is not shown at all.
  CRibbonTree other;
  other.Fill(definition.get(), 1033);
  EXPECT_EQ(other.Record(other.FirstTopLevel()).Name, u"Ribbon_Category_View");
  // A missing definition gives an empty tree.
  CRibbonTree empty;
  empty.Fill(nullptr, kEnglishLangId);
  EXPECT_EQ(empty.NodeCount(), 0);
  EXPECT_EQ(empty.FirstTopLevel(), CRibbonTree::kNoNode);
  EXPECT_TRUE(empty.HiddenPaths().empty());
}

TEST_F(RibbonTreeTest, ACheckGoesDownToEveryDescendantAndUpWhereAllChildrenAre) {
  tree.PropagateCheck(At({u"Ribbon_Category_View", u"View_Panel_ViewSetting"}), true);
  EXPECT_EQ(CheckedNames(), (std::vector<std::u16string>{u"View_Panel_ViewSetting", u"View_Setting_StatusBar",
                                                         u"View_Setting_Navigation", u"View_Setting_Bookmarks",
                                                         u"View_Setting_Layers"}));
  // The last unchecked child of the category's other panel completes both.
  tree.PropagateCheck(At({u"Ribbon_Category_View", u"View_Panel_Zoom", u"View_Zoom_In"}), true);
  EXPECT_TRUE(tree.Checked(At({u"Ribbon_Category_View"})));
  // Unchecking one sub-item unchecks its control, panel and category, and nothing else.
  tree.PropagateCheck(
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"}),
      false);
  EXPECT_EQ(CheckedNames(), (std::vector<std::u16string>{u"View_Setting_StatusBar", u"View_Setting_Bookmarks",
                                                         u"View_Panel_Zoom", u"View_Zoom_In"}));
  tree.ClearRibbonChecks();
  EXPECT_TRUE(CheckedNames().empty());
}

// Records what the tree reports, as a view would follow it.
class Recorder : public IRibbonTreeObserver {
 public:
  void CheckChanged(Node node, bool checked) override { changes.emplace_back(node, checked); }
  void Expanded(Node node) override { expanded.push_back(node); }
  std::vector<std::pair<Node, bool>> changes;
  std::vector<Node> expanded;
};

TEST_F(RibbonTreeTest, AClickLeavesTheItemItselfForTheBoxToToggle) {
  Recorder recorder;
  tree.SetObserver(&recorder);
  const Node navigation = At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation"});
  tree.SetChecked(At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"}), true);
  recorder.changes.clear();
  tree.ClickCheckBox(navigation);
  EXPECT_FALSE(tree.Checked(navigation));
  // Its children follow, and the panel is complete once the item's own toggle lands.
  EXPECT_EQ(recorder.changes, (std::vector<std::pair<Node, bool>>{
                                  {navigation + 1, true}, {navigation + 2, true}, {tree.Parent(navigation), true}}));
  tree.SetChecked(navigation, true);
  // The keyboard's toggle changes that item alone.
  tree.SetChecked(navigation, false);
  EXPECT_TRUE(tree.Checked(navigation + 1) && tree.Checked(tree.Parent(navigation)));
  tree.SetObserver(nullptr);
}

struct WriteCase {
  const char* name;
  std::vector<RibbonPath> checked;  // each checked with propagation, in this order
  std::vector<RibbonPath> keyed;    // then each toggled on alone, as Space does
  bool statusBarHidden;
  const char* expected;
};

class RibbonTreeWriting : public RibbonTreeTest, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(RibbonTreeWriting, WritesEachHiddenItemAsItsPath) {
  for (const RibbonPath& path : GetParam().checked) ASSERT_TRUE(tree.CheckPath(path, true));
  for (const RibbonPath& path : GetParam().keyed) tree.SetChecked(At(path), true);
  EXPECT_EQ(WrittenSection(GetParam().statusBarHidden), GetParam().expected);
}

const WriteCase kWriteCases[] = {
    {"NothingChecked", {}, {}, false, "<RibbonUI/>"},
    {"TabElementsWritesEachControlNotItself",
     {{u""}},
     {},
     false,
     "<RibbonUI><TabElements><Control Name=\"File_Main_Save\" Visible=\"0\"/>"
     "<Control Name=\"File_Main_InputMode\" Visible=\"0\"/></TabElements></RibbonUI>"},
    {"ACategoryWritesOnlyItself",
     {{u"ribbon_category_view"}},
     {},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_View\" Visible=\"0\"/></RibbonUI>"},
    {"TheLastChildOfAPanelHidesThePanel",
     {{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"},
      {u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation"}},
     {},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\" Visible=\"0\"/>"
     "</Category></RibbonUI>"},
    {"AnUncheckedChildLeavesItsSiblingsAsSubItems",
     {{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"}},
     {},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
     "<Control Name=\"View_Setting_Navigation\"><SubItem Name=\"View_Setting_Layers\" Visible=\"0\"/></Control>"
     "</Panel></Category></RibbonUI>"},
    {"TouchWithTheModeAfterItHidesTheWholeInputModeControl",
     {},
     {{u"", u"File_Main_InputMode", u"File_Main_InputMode_Touch"},
      {u"", u"File_Main_InputMode", u"File_Main_InputMode_Mouse"}},
     false,
     "<RibbonUI><TabElements><Control Name=\"File_Main_InputMode\" Visible=\"0\">"
     "<SubItem Name=\"File_Main_InputMode_Mouse\" Visible=\"0\"/></Control></TabElements></RibbonUI>"},
    {"TouchAloneIsASubItem",
     {{u"", u"File_Main_InputMode", u"File_Main_InputMode_Touch"}},
     {},
     false,
     "<RibbonUI><TabElements><Control Name=\"File_Main_InputMode\">"
     "<SubItem Name=\"File_Main_InputMode_Touch\" Visible=\"0\"/></Control></TabElements></RibbonUI>"},
    {"TheOnlyControlOfATabCompletesTheTab",
     {{u"Ribbon_Category_Format", u"Format_Panel_Setting", u"Format_Setting_Annotation"}},
     {},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Format\" Visible=\"0\"/></RibbonUI>"},
    {"TheAnnotationControlAloneTakesItsLabelAlong",
     {},
     {{u"Ribbon_Category_Format", u"Format_Panel_Setting", u"Format_Setting_Annotation"}},
     false,
     "<RibbonUI><Category Name=\"Ribbon_Category_Format\"><Panel Name=\"Format_Panel_Setting\">"
     "<Control Name=\"Format_Setting_Annotation\" Visible=\"0\"/><Control Name=\"Format_Setting_AnnotLabel\" "
     "Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"TheStatusBarPreferenceSharesTheViewPanelAndTabElementsStaysApart",
     {{u"", u"File_Main_Save"}},
     {{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation"}},
     true,
     "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
     "<Control Name=\"View_Setting_StatusBar\" Visible=\"0\"/><Control Name=\"View_Setting_Navigation\" "
     "Visible=\"0\"/></Panel></Category><TabElements><Control Name=\"File_Main_Save\" Visible=\"0\"/>"
     "</TabElements></RibbonUI>"},
};

INSTANTIATE_TEST_SUITE_P(Cases, RibbonTreeWriting, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RibbonTreeTest, ALoadedSectionChecksItsItemsAndOpensTheirBranches) {
  Recorder recorder;
  tree.SetObserver(&recorder);
  const XmlTreePtr root = Parse(
      "<Reader><Profstore><Preferences/><ribbonui>"
      "<TabElements><Control Name=\"file_main_inputmode\"><SubItem Name=\"FILE_MAIN_INPUTMODE_PEN\" Visible=\"0\"/>"
      "</Control></TabElements>"
      "<Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
      "<Control Name=\"View_Setting_Navigation\"><SubItem Name=\"View_Setting_Layers\" Visible=\"0\"/></Control>"
      "<Control Name=\"Unknown\" Visible=\"0\"/></Panel>"
      "<Panel Name=\"View_Panel_Zoom\" Visible=\"1\"><Control Name=\"View_Zoom_In\" Visible=\"0\"/></Panel></Category>"
      // Another product's tab, and the right control under the wrong tab: both ignored.
      "<Category Name=\"Ribbon_Category_Organize\" Visible=\"0\"/>"
      "<Category Name=\"Ribbon_Category_Format\"><Panel Name=\"View_Panel_Zoom\" Visible=\"0\"/></Category>"
      "</ribbonui></Profstore></Reader>");
  ASSERT_NE(root, nullptr);
  tree.ApplyRibbonSection(root.get());
  EXPECT_EQ(CheckedNames(), (std::vector<std::u16string>{u"File_Main_InputMode_Pen", u"View_Setting_Layers",
                                                         u"View_Panel_Zoom", u"View_Zoom_In"}));
  const Node layers =
      At({u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_Navigation", u"View_Setting_Layers"});
  for (Node ancestor = tree.Parent(layers); ancestor != CRibbonTree::kNoNode; ancestor = tree.Parent(ancestor)) {
    EXPECT_TRUE(tree.Expanded(ancestor));
  }
  EXPECT_FALSE(tree.Expanded(At({u"Ribbon_Category_Format"})));
  EXPECT_FALSE(recorder.expanded.empty());
  tree.SetObserver(nullptr);
}

TEST(RibbonTreeApply, OnlyTheFirstSiblingOfAName) {
  const XmlTreePtr definition = Parse(
      "<RibbonUI><Category Name=\"Tab\" Title=\"Tab\"><Panel Name=\"Twin\" Title=\"First\"><Control Name=\"A\" "
      "Title=\"A\"/></Panel><Panel Name=\"TWIN\" Title=\"Second\"><Control Name=\"A\" Title=\"A\"/>"
      "<Control Name=\"B\" Title=\"B\"/></Panel></Category></RibbonUI>");
  CRibbonTree tree;
  tree.Fill(definition.get(), kEnglishLangId);
  // B exists only under the second twin, which is never looked at.
  const XmlTreePtr root = Parse(
      "<Reader><Profstore><RibbonUI><Category Name=\"tab\"><Panel Name=\"twin\"><Control Name=\"a\" Visible=\"0\"/>"
      "<Control Name=\"B\" Visible=\"0\"/></Panel></Category></RibbonUI></Profstore></Reader>");
  tree.ApplyRibbonSection(root.get());
  std::vector<std::u16string> checked;
  for (Node node = 0; node < tree.NodeCount(); ++node) {
    if (tree.Checked(node)) checked.push_back(tree.Record(node).Title);
  }
  EXPECT_EQ(checked, (std::vector<std::u16string>{u"First", u"A"}));
}

TEST_F(RibbonTreeTest, DocumentsWithoutARibbonSectionChangeNothing) {
  tree.CheckPath(std::vector<std::u16string>{u"Ribbon_Category_Format"}, true);
  const std::vector<std::u16string> before = CheckedNames();
  for (const char* text :
       {"<Reader/>", "<Reader><Profstore><Preferences/><Plugins/></Profstore></Reader>",
        "<Reader><Profstore><RibbonUI><Category Name=\"x\" Visible=\"0\"/></RibbonUI></Profstore></Reader>"}) {
    tree.ApplyRibbonSection(Parse(text).get());
    EXPECT_EQ(CheckedNames(), before) << text;
  }
  tree.ApplyRibbonSection(nullptr);
  EXPECT_EQ(CheckedNames(), before);
  EXPECT_FALSE(tree.CheckPath(std::vector<std::u16string>{}, true));
  EXPECT_FALSE(tree.CheckPath(std::vector<std::u16string>{u"Ribbon_Category_Format", u"Missing"}, true));
}

}  // namespace
}  // namespace cadmira::pages
