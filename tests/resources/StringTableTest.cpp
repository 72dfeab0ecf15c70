#include "resources/StringTable.h"
#include "resources/XmlResource.h"

#include <gtest/gtest.h>

namespace cadmira::resources {

TEST(StringTable, MissingIdGivesEmptyText) {
  EXPECT_TRUE(EnglishString(0).empty());
  EXPECT_TRUE(EnglishString(99999).empty());
}

TEST(StringTable, KeepsTypographicQuotesAndTrailingBlank) {
  const std::u16string_view text = EnglishString(236);
  EXPECT_NE(text.find(u"\u201CInterface\u201D"), std::u16string_view::npos);
  EXPECT_EQ(text.back(), u' ');
  EXPECT_EQ(EnglishString(237), text);
}

TEST(XmlResource, UnknownIdGivesNoBytes) {
  EXPECT_TRUE(XmlResource(-1).empty());
  EXPECT_TRUE(XmlResource(1).empty());
}

}  // namespace cadmira::resources
