#include "pages/plugins/model/PluginFilter.h"

#include <gtest/gtest.h>

namespace cadmira::pages {
namespace {

std::vector<std::u16string> Listed(const CPluginListModel& model, std::u16string_view text) {
  const std::vector<bool> listed = ListedByFilter(model, text);
  std::vector<std::u16string> names;
  for (std::size_t row = 0; row < model.Count(); ++row) {
    if (listed[row]) names.push_back(model.Item(row).Name);
  }
  return names;
}

TEST(PluginFilterTest, ListsThePlugInsWhoseCaptionOrFileNameHoldsTheText) {
  CPluginListModel model;
  model.AppendDefault({u"Stamps", u"Stamps.zpi"});
  model.AppendDefault({u"\u5370\u7AE0\u5DE5\u5177", u"StampTool.zpi"});
  model.AppendAdded({u"Tracker", u"Tracker.zpi"});
  EXPECT_EQ(Listed(model, u"").size(), 3u);
  EXPECT_EQ(Listed(model, u"STAMP"), (std::vector<std::u16string>{u"Stamps", u"\u5370\u7AE0\u5DE5\u5177"}));
  EXPECT_EQ(Listed(model, u"\u5370\u7AE0"), (std::vector<std::u16string>{u"\u5370\u7AE0\u5DE5\u5177"}));
  EXPECT_EQ(Listed(model, u"tracker.zpi"), (std::vector<std::u16string>{u"Tracker"}));
  EXPECT_TRUE(Listed(model, u"nothing").empty());
}

TEST(PluginFilterTest, CountsTheTickedPlugInsWhateverTheFilter) {
  CPluginListModel model;
  model.AppendDefault({u"A", u"A.zpi"});
  model.AppendDefault({u"B", u"B.zpi"});
  EXPECT_EQ(HiddenPluginCount(model), 0u);
  model.SetChecked(1, true);
  EXPECT_EQ(HiddenPluginCount(model), 1u);
  EXPECT_EQ(Listed(model, u"A"), std::vector<std::u16string>{u"A"});
  model.SetChecked(0, true);
  EXPECT_EQ(HiddenPluginCount(model), 2u);
}

}  // namespace
}  // namespace cadmira::pages
