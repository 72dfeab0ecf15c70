#include "base/AsciiCase.h"

#include <gtest/gtest.h>

namespace cadmira {
namespace {

TEST(AsciiCase, FoldsAsciiLettersOnly) {
  EXPECT_TRUE(AsciiEqualNoCase("StartPage", "startpage"));
  EXPECT_TRUE(AsciiEqualNoCase(u"ZandorReader", u"ZANDORREADER"));
  EXPECT_FALSE(AsciiEqualNoCase("a", "ab"));
  // Non-ASCII letters keep their case: the registry and the file compare this way.
  EXPECT_FALSE(AsciiEqualNoCase(u"\u00C4", u"\u00E4"));
  EXPECT_FALSE(AsciiEqualNoCase("\xC3\x84", "\xC3\xA4"));
  // '@' and '[' lie next to the letters and must not fold into them.
  EXPECT_FALSE(AsciiEqualNoCase("@", "`"));
  EXPECT_FALSE(AsciiEqualNoCase("[", "{"));
  EXPECT_EQ(AsciiLowered(u"Comments.ZPI @[\u00C4]"), u"comments.zpi @[\u00C4]");
}

TEST(AsciiCase, OrdersLikeACaseFoldedCompare) {
  EXPECT_EQ(AsciiCompareNoCase("abc", "ABC"), 0);
  EXPECT_LT(AsciiCompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(AsciiCompareNoCase(u"b", u"A"), 0);
  EXPECT_LT(AsciiCompareNoCase("ab", "ABC"), 0);
  // Bytes above 0x7F sort after every ASCII byte.
  EXPECT_GT(AsciiCompareNoCase("\xE4", "z"), 0);
  EXPECT_GT(AsciiCompareNoCase(u"\u4E2D", u"Z"), 0);
  EXPECT_EQ(AsciiCompareNoCase("", ""), 0);
}

TEST(AsciiCase, FindsAPartIgnoringAsciiCase) {
  EXPECT_TRUE(AsciiContainsNoCase(u"Status Bar", u"status"));
  EXPECT_TRUE(AsciiContainsNoCase(u"Status Bar", u"S BA"));
  EXPECT_TRUE(AsciiContainsNoCase(u"Status Bar", u""));
  EXPECT_TRUE(AsciiContainsNoCase(u"", u""));
  EXPECT_TRUE(AsciiContainsNoCase(u"\u72B6\u6001\u680F", u"\u6001"));
  EXPECT_FALSE(AsciiContainsNoCase(u"Status Bar", u"Bars"));
  EXPECT_FALSE(AsciiContainsNoCase(u"", u"a"));
  EXPECT_FALSE(AsciiContainsNoCase(u"\u00C4rger", u"\u00E4"));
}

}  // namespace
}  // namespace cadmira
