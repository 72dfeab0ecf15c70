#include "localization/lookup/UnescapeText.h"

#include <gtest/gtest.h>

namespace cadmira::localization {
namespace {

struct UnescapeCase {
  const char* name;
  std::u16string_view input;
  std::u16string_view expected;
};

class UnescapeTextTest : public ::testing::TestWithParam<UnescapeCase> {};

TEST_P(UnescapeTextTest, ConvertsEscapesUpToTheFirstOtherBackslash) {
  EXPECT_EQ(UnescapeText(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UnescapeTextTest,
    ::testing::Values(UnescapeCase{"empty", u"", u""}, UnescapeCase{"plain", u"plain", u"plain"},
                      UnescapeCase{"all_three", u"a\\tb\\nc\\rd", u"a\tb\nc\rd"},
                      UnescapeCase{"line_breaks", u"\\r\\n\\r\\n", u"\r\n\r\n"},
                      // A folder path after the line breaks keeps its backslashes.
                      UnescapeCase{"path_after_breaks", u"line\\r\\nSee (..\\Zandor Reader\\plugins).",
                                   u"line\r\nSee (..\\Zandor Reader\\plugins)."},
                      // A literal backslash before an escape stops the conversion there.
                      UnescapeCase{"backslash_before_escape", u"C:\\dir\\nnext", u"C:\\dir\\nnext"},
                      UnescapeCase{"escape_then_path", u"a\\nC:\\dir\\n", u"a\nC:\\dir\\n"},
                      UnescapeCase{"double_backslash", u"\\\\n", u"\\\\n"},
                      UnescapeCase{"upper_case_letter", u"\\N", u"\\N"},
                      UnescapeCase{"trailing_backslash", u"ends with\\", u"ends with\\"},
                      UnescapeCase{"escape_then_trailing", u"\\n\\", u"\n\\"},
                      UnescapeCase{"lone_backslash", u"\\", u"\\"}),
    [](const ::testing::TestParamInfo<UnescapeCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cadmira::localization
