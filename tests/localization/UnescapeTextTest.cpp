#include "localization/UnescapeText.h"

#include <gtest/gtest.h>

namespace cadmira::localization {
namespace {

struct UnescapeCase {
  std::u16string_view input;
  std::u16string_view expected;
};

class UnescapeTextTest : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeTextTest, ConvertsEscapesUpToTheFirstOtherBackslash) {
  EXPECT_EQ(UnescapeText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UnescapeTextTest,
    ::testing::Values(UnescapeCase{u"", u""}, UnescapeCase{u"plain", u"plain"},
                      UnescapeCase{u"a\\tb\\nc\\rd", u"a\tb\nc\rd"},
                      UnescapeCase{u"\\r\\n\\r\\n", u"\r\n\r\n"},
                      // A folder path after the line breaks keeps its backslashes.
                      UnescapeCase{u"line\\r\\nSee (..\\Zandor Reader\\plugins).",
                                   u"line\r\nSee (..\\Zandor Reader\\plugins)."},
                      // A literal backslash before an escape stops the conversion there.
                      UnescapeCase{u"C:\\dir\\nnext", u"C:\\dir\\nnext"},
                      UnescapeCase{u"a\\nC:\\dir\\n", u"a\nC:\\dir\\n"},
                      UnescapeCase{u"\\\\n", u"\\\\n"},
                      UnescapeCase{u"\\N", u"\\N"},
                      UnescapeCase{u"ends with\\", u"ends with\\"},
                      UnescapeCase{u"\\n\\", u"\n\\"},
                      UnescapeCase{u"\\", u"\\"}));

}  // namespace
}  // namespace cadmira::localization
