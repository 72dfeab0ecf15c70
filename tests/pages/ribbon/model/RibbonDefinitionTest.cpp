#include "pages/ribbon/model/RibbonDefinition.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/AsciiCase.h"
#include "document/DocumentWriter.h"
#include "document/PreferenceReader.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "resources/XmlResource.h"

namespace cadmira::pages {
namespace {

using Node = CRibbonTree::Node;

constexpr resources::Product kReader = resources::Product::Reader;
constexpr resources::Product kOrvanta = resources::Product::Orvanta;

// Every element of a definition by its path of tags and Names, with its Title.
std::map<std::string, std::u16string> Elements(const CXML_TreeElement* definition) {
  std::map<std::string, std::u16string> elements;
  std::function<void(const CXML_TreeElement*, const std::string&)> visit = [&](const CXML_TreeElement* element,
                                                                               const std::string& prefix) {
    for (int i = 0; i < ChildCount(element); ++i) {
      const CXML_TreeElement* child = ChildElement(element, i);
      if (child == nullptr) continue;
      std::string key = prefix + "/" + std::string(TagName(child).View());
      for (char16_t c : document::AttributeOrEmpty(child, "Name")) key += static_cast<char>(c);
      elements[key] = document::AttributeOrEmpty(child, "Title");
      visit(child, key);
    }
  };
  visit(definition, "");
  return elements;
}

TEST(RibbonDefinitions, AreChosenByProductAndLanguage) {
  EXPECT_EQ(RibbonDefinitionId(kReader, kChineseLangId), 241);
  EXPECT_EQ(RibbonDefinitionId(kReader, kEnglishLangId), 233);
  EXPECT_EQ(RibbonDefinitionId(kReader, 1033), 233);
  EXPECT_EQ(RibbonDefinitionId(kOrvanta, kChineseLangId), 240);
  EXPECT_EQ(RibbonDefinitionId(resources::ProductFromNumber(7), kChineseLangId), 240);
  EXPECT_EQ(RibbonDefinitionId(resources::ProductFromNumber(-1), 0), 232);
}

TEST(RibbonDefinitions, BothLanguagesNameTheSameElementsAndTitleEachOne) {
  for (resources::Product product : {kReader, kOrvanta}) {
    const XmlTreePtr english = LoadRibbonDefinition(product, kEnglishLangId);
    const XmlTreePtr chinese = LoadRibbonDefinition(product, kChineseLangId);
    ASSERT_NE(english, nullptr);
    ASSERT_NE(chinese, nullptr);
    const auto englishElements = Elements(english.get());
    const auto chineseElements = Elements(chinese.get());
    ASSERT_EQ(englishElements.size(), chineseElements.size());
    int translated = 0;
    for (const auto& [path, title] : englishElements) {
      ASSERT_TRUE(chineseElements.contains(path)) << path;
      EXPECT_EQ(title.empty(), chineseElements.at(path).empty()) << path;
      if (title != chineseElements.at(path)) ++translated;
    }
    // Product and format names (PDF/A, OneDrive) and the upgrade offer stay as they are.
    EXPECT_GT(translated, static_cast<int>(englishElements.size()) * 9 / 10) << resources::ProductNumber(product);
  }
}

TEST(RibbonDefinitions, TheChineseFilesStartWithAByteOrderMark) {
  for (int id : {232, 233, 240, 241}) {
    const auto bytes = resources::XmlResource(id);
    const std::string start(bytes.begin(), bytes.begin() + std::min<std::size_t>(bytes.size(), 41));
    const bool chinese = id >= 240;
    EXPECT_EQ(start.starts_with("\xEF\xBB\xBF"), chinese) << id;
    EXPECT_NE(start.find("<?xml version=\"1.0\" encoding=\"utf-8\"?>"), std::string::npos) << id;
  }
}

TEST(RibbonDefinitions, HoldTheElementsTheProgramRefersTo) {
  for (resources::Product product : {kReader, kOrvanta}) {
    for (int langid : {kEnglishLangId, kChineseLangId}) {
      const XmlTreePtr definition = LoadRibbonDefinition(product, langid);
      CRibbonTree tree;
      tree.Fill(definition.get(), langid);
      const Node touch =
          tree.FindPath(std::vector<std::u16string>{u"", u"File_Main_InputMode", u"File_Main_InputMode_Touch"});
      ASSERT_NE(touch, CRibbonTree::kNoNode);
      EXPECT_NE(tree.NextSibling(touch), CRibbonTree::kNoNode);
      EXPECT_NE(tree.FindPath(std::vector<std::u16string>{u"Ribbon_Category_View", u"View_Panel_ViewSetting",
                                                          u"View_Setting_StatusBar"}),
                CRibbonTree::kNoNode);
      bool annotation = false;
      for (Node node = 0; node < tree.NodeCount(); ++node) {
        annotation |= tree.Record(node).Name == u"Format_Setting_Annotation" && tree.PathOf(node).size() == 3;
      }
      EXPECT_TRUE(annotation);
      // Separators and the upgrade offer are recorded but not shown.
      int untitled = 0;
      bool upgradeRecorded = false;
      for (const RibbonItem& record : tree.Records()) {
        untitled += record.Title.empty() ? 1 : 0;
        upgradeRecorded |= AsciiEqualNoCase(record.Title, u"Upgrade to Business");
      }
      EXPECT_GT(untitled, 3);
      EXPECT_EQ(upgradeRecorded, product == kReader);
      EXPECT_EQ(tree.FindPath(std::vector<std::u16string>{u"", u"File_Main_Upgrade"}), CRibbonTree::kNoNode);
      for (Node node = 0; node < tree.NodeCount(); ++node) EXPECT_FALSE(tree.Record(node).Title.empty());
    }
  }
  const auto reader = Elements(LoadRibbonDefinition(kReader, kEnglishLangId).get());
  EXPECT_TRUE(reader.contains("/TabElements/ControlFile_Main_Upgrade/SubItemFile_Main_Upgrade_BuyNow"));
}

// Everything checked: only the tops are written, and a load of that file checks it all again.
TEST(RibbonDefinitions, EverythingCheckedSurvivesAWriteAndARead) {
  for (resources::Product product : {kReader, kOrvanta}) {
    const XmlTreePtr definition = LoadRibbonDefinition(product, kEnglishLangId);
    CRibbonTree written;
    written.Fill(definition.get(), kEnglishLangId);
    for (Node node = written.FirstTopLevel(); node != CRibbonTree::kNoNode; node = written.NextSibling(node)) {
      written.PropagateCheck(node, true);
    }
    document::CWriteContext context;
    ASSERT_TRUE(document::BuildDocument(context, product));
    written.WriteRibbonSection(context);
    const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
    const XmlTreePtr loaded(ParseDocument(bytes.data(), bytes.size()));

    CRibbonTree read;
    read.Fill(definition.get(), kEnglishLangId);
    read.ApplyRibbonSection(loaded.get());
    for (Node node = 0; node < read.NodeCount(); ++node) ASSERT_TRUE(read.Checked(node)) << node;
    EXPECT_EQ(read.HiddenPaths(), written.HiddenPaths());
  }
}

}  // namespace
}  // namespace cadmira::pages
