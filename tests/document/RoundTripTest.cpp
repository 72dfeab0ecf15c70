#include <ios>
#include <set>
#include <span>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/HiddenRibbonPaths.h"
#include "document/MapPageControls.h"
#include "document/PluginList.h"
#include "document/PreferenceReader.h"
#include "document/SectionLookup.h"

namespace cadmira::document {
namespace {

XmlTreePtr Parse(const std::vector<unsigned char>& bytes) {
  return XmlTreePtr(ParseDocument(bytes.data(), bytes.size()));
}

XmlTreePtr Parse(const std::string& xml) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
}

std::vector<RibbonPath> HiddenRibbonPaths(const CXML_TreeElement* root) {
  std::vector<RibbonPath> paths;
  VisitHiddenRibbonPaths(root,
                         [&](std::span<const std::u16string> path) { paths.emplace_back(path.begin(), path.end()); });
  return paths;
}

TEST(RoundTrip, AwkwardValuesComeBackUnchanged) {
  const std::u16string values[] = {
      u"",
      u"tab\there",
      u"line\nbreak\r\nand cr\r",
      u"& < > \" ' ;",
      u"&amp; is not decoded twice",
      u"\u4E2D\u6587\u914D\u7F6E",
      u"outside the BMP: \U0001F600 \U00010348",
      u"  leading and trailing blanks  ",
  };
  for (const std::u16string& value : values) {
    auto document = CDomDocument::Create();
    CDomElement root = document->CreateElement(u"Root");
    document->SetAttribute(root, u"value", value);
    document->SetAttribute(root, u"\u540D", u"name");
    document->AppendToDocument(root);
    const XmlTreePtr tree = Parse(document->Serialize());
    ASSERT_TRUE(tree);
    CZD_WideStr read;
    ASSERT_TRUE(AttributeText(tree.get(), "value", read));
    EXPECT_EQ(std::u16string(read.View()), value);
    ASSERT_TRUE(AttributeText(tree.get(), "\xE5\x90\x8D", read));
    EXPECT_EQ(std::u16string(read.View()), u"name");
  }
}

TEST(RoundTrip, TextThatXmlCannotCarryIsRefused) {
  const std::u16string values[] = {u"a lone surrogate \xD800",
                                   u"a lone low \xDC00 half",
                                   u"control \x01",
                                   u"escape \x1F",
                                   u"not a character \xFFFE",
                                   u"nor \xFFFF"};
  for (const std::u16string& value : values) {
    auto document = CDomDocument::Create();
    CDomElement root = document->CreateElement(u"Root");
    try {
      document->SetAttribute(root, u"value", value);
      ADD_FAILURE() << "accepted U+" << std::hex << static_cast<int>(value.back());
    } catch (const CDomError& error) {
      EXPECT_EQ(error.Code(), kE_FAIL);
      EXPECT_NE(std::string(error.what()).find("which XML cannot carry"), std::string::npos) << error.what();
    }
    EXPECT_THROW(document->CreateElement(value), CDomError);
  }
}

TEST(RoundTrip, AWrittenDocumentRestoresThePagesPluginsAndRibbon) {
  MapPageControls written;
  written.SetText(kPreferencesDialog, kVersionEdit, u" 9.0.0 ");
  written.SetChecked(172, 1052, true);
  written.SetComboIndex(178, 1069, 3);
  written.SetText(151, 1070, u"\u00A9 Zandor\t2026");
  written.SetComboIndex(257, 1111, 1);
  written.SetChecked(238, 1046, true);
  written.SetChecked(252, 1046, true);
  const std::vector<std::u16string> plugins{u"a.zpi", u"\u63D2\u4EF6.zpi"};
  const std::vector<RibbonPath> ribbon{{u"", u"File_Main_InputMode"},
                                       {u"", u"Quick", u"Undo"},
                                       {u"Ribbon_Category_Home"},
                                       {u"Ribbon_Category_Edit", u"Edit_Panel_Text"},
                                       {u"Ribbon_Category_Edit", u"Edit_Panel_Font", u"Edit_Font_Style", u"Bold"}};
  CWriteContext context;
  FillDocument(context, resources::Product::Reader, written, plugins, ribbon);
  const XmlTreePtr tree = Parse(context.m_spXmlDoc->Serialize());
  ASSERT_TRUE(tree);

  MapPageControls read;
  ApplyPreferenceSection(tree.get(), read);
  EXPECT_EQ(read.Text(kPreferencesDialog, kVersionEdit), u" 9.0.0 ");
  EXPECT_TRUE(read.Checked(172, 1052));
  EXPECT_EQ(read.ComboIndex(178, 1069), 3);
  EXPECT_EQ(read.Text(151, 1070), u"\u00A9 Zandor\t2026");
  EXPECT_EQ(read.ComboIndex(257, 1111), 1);
  EXPECT_TRUE(read.Checked(238, 1046));
  EXPECT_TRUE(read.Checked(252, 1046));
  EXPECT_FALSE(read.Checked(252, 1045));

  const auto value = ReadUnloadPluginArray(tree.get());
  ASSERT_TRUE(value);
  EXPECT_EQ(SplitUnloadPluginArray(*value),
            (std::vector<std::u16string>{u"a.zpi", u"\u63D2\u4EF6.zpi", u"TessadocPlugin.zpi", u"TessadocDRM.zpi",
                                         u"TDOCOCLink.zpi"}));

  std::vector<RibbonPath> expected{{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"}};
  expected.insert(expected.end(), ribbon.begin(), ribbon.end());
  // The written order groups by container: TabElements comes where it was first created.
  const std::vector<RibbonPath> hidden = HiddenRibbonPaths(tree.get());
  EXPECT_EQ(std::multiset<RibbonPath>(hidden.begin(), hidden.end()),
            std::multiset<RibbonPath>(expected.begin(), expected.end()));
}

TEST(LoadedSections, PluginsAndRibbonAreFoundByNameIgnoringCase) {
  const XmlTreePtr tree = Parse(
      "<ZandorReader><Profstore><Preferences/><ribbonui><Category Name=\"C\" Visible=\"0\"><Panel Name=\"ignored\" "
      "Visible=\"0\"/></Category><Category Name=\"D\"><Panel><Control Name=\"E\" VISIBLE=\"0\"/><Control Name=\"F\" "
      "Visible=\"0 \"/><Control Visible=\"0\"/></Panel></Category>text</ribbonui><RibbonUI><Category Name=\"second\" "
      "Visible=\"0\"/></RibbonUI><PLUGINS><Plugin UnloadPluginArray=\"a;b\"/></PLUGINS></Profstore></ZandorReader>");
  ASSERT_TRUE(tree);
  EXPECT_EQ(HiddenRibbonPaths(tree.get()), (std::vector<RibbonPath>{{u"C"}, {u"D", u"", u""}}));
  EXPECT_EQ(ReadUnloadPluginArray(tree.get()), std::u16string(u"a;b"));
}

TEST(LoadedSections, MissingSectionsAreReportedAsMissing) {
  struct Case {
    const char* xml;
    bool hasPluginValue;
  };
  const Case cases[] = {
      {"<R/>", false},
      {"<R><Profstore/></R>", false},
      {"<R><Profstore><Plugins/></Profstore></R>", false},
      {"<R><Profstore><Plugins>text</Plugins></Profstore></R>", false},
      {"<R><Profstore><Plugins><Plugin/></Plugins></Profstore></R>", true},
      {"<R>text<Profstore><Plugins><Plugin/></Plugins></Profstore></R>", false},
  };
  for (const Case& c : cases) {
    const XmlTreePtr tree = Parse(std::string(c.xml));
    EXPECT_EQ(ReadUnloadPluginArray(tree.get()).has_value(), c.hasPluginValue) << c.xml;
    EXPECT_TRUE(HiddenRibbonPaths(tree.get()).empty());
  }
  EXPECT_EQ(ReadUnloadPluginArray(Parse(std::string("<R><P><Plugins><Plugin/></Plugins></P></R>")).get()),
            std::u16string());
}

TEST(LoadedSections, DeeplyNestedRibbonSectionsDoNotExhaustTheStack) {
  std::string xml = "<R><Profstore><RibbonUI>";
  const int depth = 200000;
  for (int i = 0; i < depth; ++i) xml += "<C Name=\"n\">";
  xml += "<C Name=\"last\" Visible=\"0\"/>";
  const XmlTreePtr tree = Parse(xml);
  ASSERT_TRUE(tree);
  int visits = 0;
  VisitHiddenRibbonPaths(tree.get(), [&](std::span<const std::u16string> path) {
    ++visits;
    ASSERT_EQ(path.size(), static_cast<std::size_t>(depth) + 1);
    EXPECT_EQ(path.front(), u"n");
    EXPECT_EQ(path.back(), u"last");
  });
  EXPECT_EQ(visits, 1);
}

TEST(LoadedSections, AHiddenControlAtEveryLevelIsVisitedWithItsOwnPath) {
  std::string xml = "<R><Profstore><RibbonUI>";
  const int depth = 3000;
  for (int i = 0; i < depth; ++i) xml += "<C Name=\"" + std::to_string(i) + "\"><H Name=\"h\" Visible=\"0\"/>";
  const XmlTreePtr tree = Parse(xml);
  ASSERT_TRUE(tree);
  std::size_t visits = 0;
  VisitHiddenRibbonPaths(tree.get(), [&](std::span<const std::u16string> path) {
    // Document order: the control under level i comes i-th, below all i + 1 levels.
    ASSERT_EQ(path.size(), visits + 2);
    const std::string level = std::to_string(visits);
    EXPECT_EQ(path[visits], std::u16string(level.begin(), level.end()));
    EXPECT_EQ(path.back(), u"h");
    ++visits;
  });
  EXPECT_EQ(visits, static_cast<std::size_t>(depth));
}

}  // namespace
}  // namespace cadmira::document
