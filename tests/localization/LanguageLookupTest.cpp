#include "localization/lookup/LanguageLookup.h"

#include <gtest/gtest.h>

#include <string_view>

#include "base/XmlTree.h"

namespace cadmira::localization {
namespace {

XmlTreePtr Parse(std::string_view xml) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
}

constexpr std::string_view kFile = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Reader version="1" language="zh-CN">
  <Font><PreFont FaceName="WenQuanYi Micro Hei" Charset="134"/></Font>
  <Dialogs>
    <Dialog id="130" text="界面" left="0" top="0" width="279" height="143">
      <dlgitem id="1008" text="界面语言切换" left="21" top="16" width="237" height="13"/>
      <dlgitem id="1009" text="Reader" left="21" top="71" width="105"/>
      <dlgitem id="4294967295" text="" left="1" top="2" width="3" height="4"/>
      <dlgitem id="1010" text="二|||5" left="1" top="2" width="3" height="4"/>
    </Dialog>
    <Dialog id="ABC" left="0" top="0" width="1" height="1"/>
  </Dialogs>
  <Strings>
    <string id="101" text="导入"/>
    <string id="102" text=""/>
    <string id="103"/>
    <string id="125" text="1. 一\r\n2. 二 (..\Zandor Reader\plugins)"/>
    <string id="101" text="second"/>
  </Strings>
</Reader>)xml";

TEST(LanguageLookupTest, FindsStringsByIdAndKeepsEmptyTexts) {
  const XmlTreePtr tree = Parse(kFile);
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(FindString(tree.get(), 101), u"导入");  // the first of two entries
  EXPECT_EQ(FindString(tree.get(), 102), u"");
  EXPECT_EQ(FindString(tree.get(), 103), u"");
  EXPECT_EQ(FindString(tree.get(), 104), std::nullopt);
  EXPECT_EQ(FindString(tree.get(), 125), u"1. 一\r\n2. 二 (..\\Zandor Reader\\plugins)");
}

TEST(LanguageLookupTest, JoinsCompleteLayoutEntriesOnly) {
  const XmlTreePtr tree = Parse(kFile);
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 0), u"界面|||0|||0|||279|||143|||");
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 1008), u"界面语言切换|||21|||16|||237|||13|||");
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", -1), u"|||1|||2|||3|||4|||");
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 1010), u"二|||5|||1|||2|||3|||4|||");
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 1009), u"") << "no height";
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 1), u"") << "no such control";
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"131", 0), u"") << "no such dialog";
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"", 0), u"") << "no dialog id";
  EXPECT_EQ(FindLayoutEntry(tree.get(), u"abc", 0), u"|||0|||0|||1|||1|||") << "ids ignore case";
}

TEST(LanguageLookupTest, MissingSectionsFindNothing) {
  for (const std::string_view xml : {"<Reader/>", "<Reader><strings><string id=\"101\" text=\"x\"/></strings></Reader>",
                                     "<Reader><Dialogs/><Strings/></Reader>"}) {
    const XmlTreePtr tree = Parse(xml);
    EXPECT_EQ(FindString(tree.get(), 101), std::nullopt) << xml;
    EXPECT_EQ(FindLayoutEntry(tree.get(), u"130", 0), u"") << xml;
    EXPECT_EQ(FindFontRequest(tree.get()), std::nullopt) << xml;
  }
  EXPECT_EQ(FindString(nullptr, 101), std::nullopt);
  EXPECT_EQ(FindLayoutEntry(nullptr, u"130", 1008), u"");
}

TEST(LanguageLookupTest, ReadsTheFontRequest) {
  struct Case {
    std::string_view preFont;
    std::u16string_view face;
    int charset;
  };
  const Case cases[] = {
      {R"(<PreFont FaceName="System" Charset="134"/>)", u"System", 134},
      {R"(<PreFont/>)", u"", 1},
      {R"(<PreFont FaceName="" Charset=""/>)", u"", 1},
      {R"(<PreFont Charset="GB2312"/>)", u"", 0},
      {R"(<PreFont Charset="390"/>)", u"", 134},  // taken as a byte
      {R"(<PreFont Charset=" 136 "/>)", u"", 136},
      {R"(<PreFont FaceName="A face name far longer than the thirty-one characters" Charset="1"/>)",
       u"A face name far longer than the", 1},
  };
  for (const Case& c : cases) {
    const XmlTreePtr tree = Parse("<Reader><Font>" + std::string(c.preFont) + "</Font></Reader>");
    const auto request = FindFontRequest(tree.get());
    ASSERT_TRUE(request.has_value()) << c.preFont;
    EXPECT_EQ(request->faceName, c.face) << c.preFont;
    EXPECT_EQ(request->charset, c.charset) << c.preFont;
  }
}

}  // namespace
}  // namespace cadmira::localization
