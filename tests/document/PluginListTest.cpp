#include "document/PluginList.h"

#include <gtest/gtest.h>

namespace cadmira::document {
namespace {

using Names = std::vector<std::u16string>;

TEST(PluginList, JoinsEveryNameWithItsSemicolon) {
  EXPECT_EQ(JoinUnloadPluginArray(Names{}, false), u"");
  EXPECT_EQ(JoinUnloadPluginArray(Names{u"a.zpi", u"b.zpi"}, false), u"a.zpi;b.zpi;");
  EXPECT_EQ(JoinUnloadPluginArray(Names{}, true), u"TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
  // The constant is appended even when the names already hold it.
  EXPECT_EQ(JoinUnloadPluginArray(Names{u"TDOCOCLink.zpi"}, true),
            u"TDOCOCLink.zpi;TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
}

TEST(PluginList, OnlyNamesFollowedByASemicolonCount) {
  struct Case {
    std::u16string value;
    Names names;
  };
  const Case cases[] = {
      {u"", {}},
      {u"a.zpi", {}},
      {u"a.zpi;b.zpi", {u"a.zpi"}},
      {u"a.zpi;B.ZPI;c.zpi", {u"a.zpi", u"B.ZPI"}},
      {u";;", {u"", u""}},
      {u"a.zpi;a.zpi;", {u"a.zpi", u"a.zpi"}},
      {u"\u63D2\u4EF6.zpi;", {u"\u63D2\u4EF6.zpi"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitUnloadPluginArray(c.value), c.names);
}

TEST(PluginList, HiddenSetComparesIgnoringAsciiCase) {
  const CHiddenPluginSet hidden(Names{u"a.zpi", u"B.ZPI", u"\u00C4.zpi"});
  EXPECT_TRUE(hidden.Contains(u"A.ZPI"));
  EXPECT_TRUE(hidden.Contains(u"b.zpi"));
  EXPECT_FALSE(hidden.Contains(u"c.zpi"));
  EXPECT_FALSE(hidden.Contains(u"\u00E4.zpi"));
  EXPECT_FALSE(hidden.Contains(u"a.zpi "));
}

}  // namespace
}  // namespace cadmira::document
