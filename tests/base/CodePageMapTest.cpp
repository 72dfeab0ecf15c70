#include "base/CodePageMap.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePageMap, ExistsForTheFiveCodePagesOnly) {
  for (const int codePage : {0, 932, 936, 949, 950}) {
    const CZD_CodePageMap* map = CZD_CodePageMap::Get(codePage);
    ASSERT_NE(map, nullptr) << codePage;
    EXPECT_EQ(map->CodePage(), codePage);
  }
  EXPECT_EQ(CZD_CodePageMap::Get(1252), nullptr);
  EXPECT_EQ(CZD_CodePageMap::Get(65001), nullptr);
}

TEST(CodePageMap, ConvertsBothWays) {
  struct Row {
    int codePage;
    const char* bytes;
    const char16_t* text;
  };
  const Row rows[] = {
      {0, "a\xE4\xB8\xAD", u"a\u4E2D"}, {932, "\x82\xA0", u"\u3042"}, {936, "\xD6\xD0\xCE\xC4", u"\u4E2D\u6587"},
      {949, "\xB0\xA1", u"\uAC00"},     {950, "\xA4\xA4", u"\u4E2D"},
  };
  for (const Row& row : rows) {
    const CZD_CodePageMap* map = CZD_CodePageMap::Get(row.codePage);
    EXPECT_EQ(map->ToWide(row.bytes).View(), std::u16string_view(row.text)) << row.codePage;
    EXPECT_EQ(map->ToBytes(row.text).View(), std::string_view(row.bytes)) << row.codePage;
  }
}

TEST(CodePageMap, EmptyAndUnconvertibleInput) {
  const CZD_CodePageMap* utf8 = CZD_CodePageMap::Get(0);
  EXPECT_TRUE(utf8->ToWide("").IsEmpty());
  EXPECT_TRUE(utf8->ToBytes(u"").IsEmpty());
  EXPECT_EQ(utf8->ToWide("a\xFF"
                         "b")
                .View(),
            u"a\uFFFD"
            u"b");
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(utf8->ToBytes(lone), "a?b");
  EXPECT_EQ(CZD_CodePageMap::Get(936)->ToBytes(u"\u3042\U0001F600x").View().back(), 'x');
}

// Every system's conversion must give these same results, faults included.
TEST(CodePageMap, ReplacesFaultsOneUnitAtATime) {
  struct Row {
    int codePage;
    std::string_view bytes;
    std::u16string_view text;
  };
  const Row toWide[] = {
      {0, "a\xE4\xB8", u"a\uFFFD\uFFFD"},
      {0,
       "\xE4\xB8"
       "b\xE4\xB8\xAD",
       u"\uFFFD\uFFFD"
       u"b\u4E2D"},
      {0, "\xED\xA0\x80!", u"\uFFFD\uFFFD\uFFFD!"},
      {0, "\xC0\xAF", u"\uFFFD\uFFFD"},
      {936, "\xD6\xD0\xD6", u"\u4E2D\uFFFD"},
      {932, "\x82\xA0\x82", u"\u3042\uFFFD"},
  };
  for (const Row& row : toWide) {
    EXPECT_EQ(CZD_CodePageMap::Get(row.codePage)->ToWide(row.bytes).View(), row.text) << row.codePage;
  }
  const Row toBytes[] = {
      {936, "\xD6\xD0??x", u"\u4E2D\U0001F600x"},
      {949, "?\xB0\xA1", u"\u00E9\uAC00"},
      {0, "?\xF0\x9F\x98\x80", u"\xDC00\U0001F600"},
  };
  for (const Row& row : toBytes) {
    EXPECT_EQ(CZD_CodePageMap::Get(row.codePage)->ToBytes(row.text).View(), row.bytes) << row.codePage;
  }
}

}  // namespace
