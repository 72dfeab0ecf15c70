#include "document/HideRibbonPath.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/DocumentWriter.h"

namespace cadmira::document {
namespace {

// The RibbonUI section after hiding `paths` one after the other in a fresh document.
std::string RibbonAfter(const std::vector<RibbonPath>& paths) {
  CWriteContext context;
  EXPECT_TRUE(BuildDocument(context, resources::Product::Reader));
  for (const RibbonPath& path : paths) HideRibbonPath(context, path);
  const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
  const std::string xml(bytes.begin(), bytes.end());
  const auto begin = xml.find("<RibbonUI");
  const auto end = xml.find("</Profstore>");
  return xml.substr(begin, end - begin);
}

struct HideCase {
  const char* name;
  std::vector<RibbonPath> paths;
  const char* expected;
};

class HidingRibbonPaths : public ::testing::TestWithParam<HideCase> {};

TEST_P(HidingRibbonPaths, WritesTheSharedContainersAndTheHiddenElement) {
  EXPECT_EQ(RibbonAfter(GetParam().paths), GetParam().expected);
}

const HideCase kHideCases[] = {
    {"EmptyPathWritesNothing", {{}}, "<RibbonUI/>"},
    {"Tab",
     {{u"Ribbon_Category_Home"}},
     "<RibbonUI><Category Name=\"Ribbon_Category_Home\" Visible=\"0\"/></RibbonUI>"},
    {"Panel",
     {{u"Cat", u"Pan"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\" Visible=\"0\"/></Category></RibbonUI>"},
    {"Control",
     {{u"Ribbon_Category_Sample", u"Sample_Panel_Main", u"File_Main_Save"}},
     "<RibbonUI><Category Name=\"Ribbon_Category_Sample\"><Panel Name=\"Sample_Panel_Main\">"
     "<Control Name=\"File_Main_Save\" Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"SubItem",
     {{u"Cat", u"Pan", u"Ctl", u"Sub"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\"><Control Name=\"Ctl\">"
     "<SubItem Name=\"Sub\" Visible=\"0\"/></Control></Panel></Category></RibbonUI>"},
    {"LongerPathWritesNothing", {{u"a", u"b", u"c", u"d", u"e"}}, "<RibbonUI/>"},
    {"TabElementsControl",
     {{u"", u"File_Main_InputMode"}},
     "<RibbonUI><TabElements><Control Name=\"File_Main_InputMode\" Visible=\"0\"/></TabElements></RibbonUI>"},
    {"TabElementsSubItemsShareTheirControlIgnoringCase",
     {{u"", u"Quick", u"One"}, {u"", u"QUICK", u"Two"}},
     "<RibbonUI><TabElements><Control Name=\"Quick\"><SubItem Name=\"One\" Visible=\"0\"/>"
     "<SubItem Name=\"Two\" Visible=\"0\"/></Control></TabElements></RibbonUI>"},
    {"TabElementsSubItemGoesIntoAHiddenControlOfThatName",
     {{u"", u"Quick"}, {u"", u"quick", u"One"}},
     "<RibbonUI><TabElements><Control Name=\"Quick\" Visible=\"0\"><SubItem Name=\"One\" Visible=\"0\"/>"
     "</Control></TabElements></RibbonUI>"},
    {"OtherTabElementsLengthsOnlyCreateTheContainer",
     {{u""}, {u"", u"a", u"b", u"c"}},
     "<RibbonUI><TabElements/></RibbonUI>"},
    {"ContainersAreSharedIgnoringCase",
     {{u"Cat", u"Pan", u"One"}, {u"CAT", u"pan", u"Two"}, {u"cat", u"Other"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\"><Control Name=\"One\" Visible=\"0\"/>"
     "<Control Name=\"Two\" Visible=\"0\"/></Panel><Panel Name=\"Other\" Visible=\"0\"/></Category></RibbonUI>"},
    {"AHiddenTabIsAlwaysNewButLaterPathsUseTheFirstCategory",
     {{u"Cat", u"Pan"}, {u"Cat"}, {u"Cat", u"Pan2"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\" Visible=\"0\"/><Panel Name=\"Pan2\" Visible=\"0\"/>"
     "</Category><Category Name=\"Cat\" Visible=\"0\"/></RibbonUI>"},
    {"TheHiddenElementIsAlwaysNew",
     {{u"Cat", u"Pan", u"Ctl"}, {u"Cat", u"Pan", u"Ctl"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\"><Control Name=\"Ctl\" Visible=\"0\"/>"
     "<Control Name=\"Ctl\" Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"SubItemsGoIntoTheRegisteredControl",
     {{u"Cat", u"Pan", u"Ctl"}, {u"Cat", u"Pan", u"ctl", u"Sub"}},
     "<RibbonUI><Category Name=\"Cat\"><Panel Name=\"Pan\"><Control Name=\"Ctl\" Visible=\"0\">"
     "<SubItem Name=\"Sub\" Visible=\"0\"/></Control></Panel></Category></RibbonUI>"},
    {"AnnotationTakesItsLabelAlong",
     {{u"Ribbon_Category_Format", u"Format_Panel_Setting", u"format_setting_annotation"}},
     "<RibbonUI><Category Name=\"Ribbon_Category_Format\"><Panel Name=\"Format_Panel_Setting\">"
     "<Control Name=\"format_setting_annotation\" Visible=\"0\"/><Control Name=\"Format_Setting_AnnotLabel\" "
     "Visible=\"0\"/></Panel></Category></RibbonUI>"},
    {"AnEmptyPanelNameIsAContainerOfItsOwn",
     {{u"Cat"}, {u"Cat", u"", u"Ctl"}},
     "<RibbonUI><Category Name=\"Cat\" Visible=\"0\"><Panel Name=\"\"><Control Name=\"Ctl\" Visible=\"0\"/>"
     "</Panel></Category></RibbonUI>"},
    {"NonAsciiNamesDoNotFoldCase",
     {{u"\u00C4", u"P"}, {u"\u00E4", u"Q"}},
     "<RibbonUI><Category Name=\"\xC3\x84\"><Panel Name=\"P\" Visible=\"0\"/></Category>"
     "<Category Name=\"\xC3\xA4\"><Panel Name=\"Q\" Visible=\"0\"/></Category></RibbonUI>"},
};

INSTANTIATE_TEST_SUITE_P(EveryLength, HidingRibbonPaths, ::testing::ValuesIn(kHideCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HideRibbonPath, ADocumentWithoutRibbonUIGetsNothing) {
  CWriteContext context;
  context.m_spXmlDoc = CDomDocument::Create();
  CDomDocument& document = *context.m_spXmlDoc;
  document.AppendToDocument(document.CreateElement(u"Root"));
  HideRibbonPath(context, {u"Cat", u"Pan"});
  const std::vector<unsigned char> bytes = document.Serialize();
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "<Root/>");
}

}  // namespace
}  // namespace cadmira::document
