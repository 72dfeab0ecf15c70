#include "pages/preferences/model/PreferenceFilter.h"

#include <gtest/gtest.h>

#include <vector>

namespace cadmira::pages {
namespace {

TEST(PreferenceFilterTest, ARowIsListedWhenOneOfItsTextsHoldsTheFindText) {
  const std::vector<std::u16string> statusBar = {u"Status Bar", u"Change the setting of Status Bar.",
                                                 u"Auto-hide status bar"};
  const std::vector<std::u16string> chinese = {u"\u72B6\u6001\u680F", u"\u66F4\u6539\u72B6\u6001\u680F"};
  struct Case {
    std::u16string text;
    bool changedOnly;
    bool changed;
    bool listedStatusBar;
    bool listedChinese;
  };
  const Case cases[] = {
      {u"", false, false, true, true},           {u"STATUS", false, false, true, false},
      {u"auto-HIDE", false, false, true, false}, {u"\u72B6\u6001", false, false, false, true},
      {u"\u680F", false, false, false, true},    {u"nothing like it", false, false, false, false},
      {u"", true, false, false, false},          {u"", true, true, true, true},
      {u"status", true, true, true, false},      {u"status", true, false, false, false},
  };
  for (const Case& c : cases) {
    const PreferenceFilter filter{c.text, c.changedOnly};
    EXPECT_EQ(RowListed(statusBar, c.changed, filter), c.listedStatusBar) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(RowListed(chinese, c.changed, filter), c.listedChinese);
  }
  EXPECT_TRUE(PreferenceFilter{}.Empty());
  EXPECT_FALSE((PreferenceFilter{u"", true}).Empty());
}

TEST(PreferenceFilterTest, TheSelectedRowStaysWhileListedElseTheFirstListedIsSelected) {
  const std::vector<int> listed = {13, 4, 12};
  EXPECT_EQ(RowToSelect(listed, 4), 4);
  EXPECT_EQ(RowToSelect(listed, 0), 13);
  EXPECT_EQ(RowToSelect(listed, std::nullopt), 13);
  EXPECT_EQ(RowToSelect({}, 4), std::nullopt);
}

}  // namespace
}  // namespace cadmira::pages
