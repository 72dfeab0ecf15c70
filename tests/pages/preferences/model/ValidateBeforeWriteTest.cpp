#include <gtest/gtest.h>

#include <climits>

#include "document/MapPageControls.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"

namespace cadmira::pages {
namespace {

using document::kAdvertiseDialog;
using document::kPreferencesDialog;
using document::kRollingTimeEdit;
using document::kVersionEdit;

WriteRefusal Check(std::u16string_view version, std::u16string_view rollingTime) {
  document::MapPageControls controls;
  controls.SetText(kPreferencesDialog, kVersionEdit, std::u16string(version));
  controls.SetText(kAdvertiseDialog, kRollingTimeEdit, std::u16string(rollingTime));
  return CheckBeforeWrite(controls);
}

TEST(ValidateBeforeWriteTest, TheVersionMustHoldMoreThanWhiteSpace) {
  EXPECT_EQ(Check(u"", u""), WriteRefusal::EmptyVersion);
  EXPECT_EQ(Check(u"  \t ", u""), WriteRefusal::EmptyVersion);
  EXPECT_EQ(Check(u"\u3000", u""), WriteRefusal::EmptyVersion);
  EXPECT_EQ(Check(u" 1 ", u""), WriteRefusal::None);
  // The version is checked first: a bad rolling time waits for it.
  EXPECT_EQ(Check(u" ", u"0"), WriteRefusal::EmptyVersion);
}

TEST(ValidateBeforeWriteTest, TheRollingTimeMustStartWithSecondsFromOneTo60000) {
  struct Case {
    std::u16string_view text;
    bool accepted;
  };
  const Case cases[] = {
      {u"", true},
      {u"10", true},
      {u"1", true},
      {u"60000", true},
      {u"12abc", true},
      {u"  +7", true},
      {u"0", false},
      {u"60001", false},
      {u"-5", false},
      {u"abc", false},
      {u" ", false},
      {u"-", false},
      {u"a12", false},
      {u"060000", true},
      {u"4294967306", false},
      {u"99999999999999999999", false},
      {u"-4294967295", false},
  };
  for (const Case& c : cases) {
    const std::u16string text(c.text);
    EXPECT_EQ(Check(u"1.0", c.text), c.accepted ? WriteRefusal::None : WriteRefusal::RollingTimeOutOfRange)
        << std::string(text.begin(), text.end());
  }
}

TEST(ValidateBeforeWriteTest, TheLeadingIntegerStopsAtTheIntRange) {
  EXPECT_EQ(LeadingInteger(u"12abc"), 12);
  EXPECT_EQ(LeadingInteger(u"\t-5x"), -5);
  EXPECT_EQ(LeadingInteger(u"+-5"), 0);
  EXPECT_EQ(LeadingInteger(u"2147483647"), INT_MAX);
  EXPECT_EQ(LeadingInteger(u"2147483648"), INT_MAX);
  EXPECT_EQ(LeadingInteger(u"-2147483648"), INT_MIN);
  EXPECT_EQ(LeadingInteger(u"-2147483649"), INT_MIN);
  EXPECT_EQ(LeadingInteger(u"-99999999999999999999999"), INT_MIN);
}

TEST(ValidateBeforeWriteTest, EachRefusalHasItsMessage) {
  EXPECT_EQ(RefusalMessageId(WriteRefusal::EmptyVersion), 235);
  EXPECT_EQ(RefusalMessageId(WriteRefusal::RollingTimeOutOfRange), 239);
  EXPECT_EQ(RefusalMessageId(WriteRefusal::None), 0);
}

}  // namespace
}  // namespace cadmira::pages
