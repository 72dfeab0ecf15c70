#include "localization/UiString.h"

#include <gtest/gtest.h>

#include "LanguageFixture.h"
#include "resources/StringTable.h"

namespace cadmira::localization {
namespace {

QString English(int id) { return QString::fromStdU16String(std::u16string(resources::EnglishString(id))); }

class UiStringTest : public LanguageTest {};

TEST_F(UiStringTest, EnglishComesFromTheStringTable) {
  for (const int langid : {49001, 0, 49006, 49008, -1}) {
    LoadLanguageFile(langid);
    EXPECT_EQ(LoadUiString(101), "Import") << langid;
    EXPECT_EQ(LoadUiString(225), English(225)) << langid;
    EXPECT_EQ(LoadUiString(100), QString()) << langid;
  }
}

TEST_F(UiStringTest, ChineseComesFromTheEmbeddedFile) {
  for (const int langid : {49007, 49007 + 0x10000}) {  // compared as a 16-bit value
    LoadLanguageFile(langid);
    EXPECT_EQ(LoadUiString(101), QString::fromUtf8("导入")) << langid;
    EXPECT_EQ(LoadUiString(126), QString::fromUtf8("提示")) << langid;
  }
  LoadLanguageFile(49001);
  EXPECT_EQ(LoadUiString(101), "Import") << "a later English load drops the file";
}

TEST_F(UiStringTest, EmbeddedFileTurnsEscapesIntoLineBreaks) {
  LoadLanguageFile(49007);
  EXPECT_TRUE(LoadUiString(225).contains("\r\n"));
  EXPECT_FALSE(LoadUiString(225).contains("\\r"));
  // The line breaks come before the folder path, whose backslashes stay.
  EXPECT_TRUE(LoadUiString(152).contains("\r\n\r\n"));
  EXPECT_TRUE(LoadUiString(152).contains(QString::fromUtf8("..\\Zandor Reader\\plugins")));
}

TEST_F(UiStringTest, AbsentIdFallsBackAndEmptyTextStaysEmpty) {
  LoadLanguageText(R"(<Reader><Strings><string id="102" text=""/><string id="103" text="保存"/></Strings></Reader>)");
  EXPECT_EQ(LoadUiString(101), "Import");
  EXPECT_EQ(LoadUiString(102), QString());
  EXPECT_EQ(LoadUiString(103), QString::fromUtf8("保存"));
}

TEST_F(UiStringTest, BrokenFilesFallBackToEnglish) {
  for (const std::string_view xml :
       {"", "not xml at all", "<", "<Reader", "<Reader><Strings><string id=\"101\" text=\"导",
        "\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- only a comment -->", "<Reader><Strings>",
        "<Reader><Strings><string text=\"导入\"/><string id=\"x101\" text=\"导入\"/></Strings></Reader>"}) {
    LoadLanguageText(xml);
    EXPECT_EQ(LoadUiString(101), "Import") << xml;
  }
}

}  // namespace
}  // namespace cadmira::localization
