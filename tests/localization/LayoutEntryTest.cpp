#include "localization/lookup/LayoutEntry.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace cadmira::localization {
namespace {

struct ParseCase {
  const char* name;
  std::u16string_view joined;
  std::u16string_view text;
  std::optional<int> left, top, width, height;
};

class ParseLayoutEntryTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseLayoutEntryTest, ReadsTextAndAcceptedNumbers) {
  const ParseCase& c = GetParam();
  const LayoutEntry entry = ParseLayoutEntry(c.joined);
  EXPECT_EQ(entry.text, c.text);
  EXPECT_EQ(entry.left, c.left);
  EXPECT_EQ(entry.top, c.top);
  EXPECT_EQ(entry.width, c.width);
  EXPECT_EQ(entry.height, c.height);
}

constexpr std::nullopt_t none = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Rules, ParseLayoutEntryTest,
    ::testing::Values(ParseCase{"complete", u"OK|||14|||18|||814|||688|||", u"OK", 14, 18, 814, 688},
                      ParseCase{"empty", u"", u"", none, none, none, none},
                      ParseCase{"zero_origin", u"|||0|||0|||80|||20|||", u"", 0, 0, 80, 20},
                      ParseCase{"zero_width_rejected", u"a|||1|||2|||0|||5|||", u"a", 1, 2, none, 5},
                      ParseCase{"negative_rejected", u"a|||-1|||-2|||-3|||-4|||", u"a", none, none, none, none},
                      ParseCase{"empty_piece_missing", u"a||||||2|||3|||4|||", u"a", none, 2, 3, 4},
                      ParseCase{"blanks_sign_and_trailing_text", u"a||| 12px|||+7|||\t30 |||4x4|||", u"a", 12, 7, 30,
                                4},
                      ParseCase{"no_digits_read_as_zero", u"a|||abc|||x|||y|||z|||", u"a", 0, 0, none, none},
                      ParseCase{"separator_in_text_shifts_values", u"a|||b|||1|||2|||3|||4|||", u"a", 0, 1, 2, 3},
                      ParseCase{"text_after_last_separator_ignored", u"a|||1|||2|||3|||4", u"a", 1, 2, 3, none},
                      ParseCase{"overflow_saturates", u"a|||99999999999|||0|||1|||1|||", u"a", INT_MAX, 0, 1, 1}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(LayoutEntryTest, JoinedEntryReadsBack) {
  const LayoutEntry entry = ParseLayoutEntry(JoinLayoutEntry(u"导入", u"5", u"6", u"70", u"24"));
  EXPECT_EQ(entry.text, u"导入");
  EXPECT_TRUE(entry.HasGeometry());
  EXPECT_EQ(*entry.left + *entry.top + *entry.width + *entry.height, 5 + 6 + 70 + 24);
}

TEST(LayoutEntryTest, ScalesByDotsPerInchTruncating) {
  EXPECT_EQ(ScaleToDpi(14, 144), 21);
  EXPECT_EQ(ScaleToDpi(18, 144), 27);
  EXPECT_EQ(ScaleToDpi(814, 144), 1221);
  EXPECT_EQ(ScaleToDpi(688, 144), 1032);
  EXPECT_EQ(ScaleToDpi(78, 120), 97);
  EXPECT_EQ(ScaleToDpi(77, 96), 77);
  EXPECT_EQ(ScaleToDpi(INT_MAX, 144), INT_MAX);
}

}  // namespace
}  // namespace cadmira::localization
