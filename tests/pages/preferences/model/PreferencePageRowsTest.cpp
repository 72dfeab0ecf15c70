#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "document/DocumentWriter.h"
#include "document/PreferenceCatalogue.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

namespace cadmira::pages {
namespace {

constexpr resources::Product kReader = resources::Product::Reader;
constexpr resources::Product kOrvanta = resources::Product::Orvanta;

std::vector<int> Keys(resources::Product product) {
  std::vector<int> keys;
  for (const PreferencePageRow* row : ListedPreferenceRows(product)) keys.push_back(row->key);
  return keys;
}

TEST(PreferencePageRowsTest, EachProductListsItsRowsInAddingOrder) {
  EXPECT_EQ(Keys(kReader),
            (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 18, 19, 9, 16, 17, 22, 10, 11, 12, 13, 14, 23, 15, 24}));
  EXPECT_EQ(Keys(kOrvanta),
            (std::vector<int>{0, 3, 4, 5, 6, 7, 2, 18, 19, 9, 16, 17, 22, 10, 11, 12, 13, 14, 23, 15, 24}));
  // Any product value but Reader's is the editor.
  EXPECT_EQ(Keys(resources::ProductFromNumber(7)), Keys(kOrvanta));
}

TEST(PreferencePageRowsTest, TextsAndDescriptionsFollowTheProduct) {
  const PreferencePageRow* about = FindPreferencePageRow(0);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(resources::EnglishString(RowTextId(*about, kReader)), u"About Zandor Reader");
  EXPECT_EQ(resources::EnglishString(RowTextId(*about, kOrvanta)), u"About Zandor OrvantaPDF");
  EXPECT_EQ(RowDescriptionId(*about, kOrvanta), 241);
  EXPECT_EQ(RowDescriptionId(*FindPreferencePageRow(16), kReader), 120);
  EXPECT_EQ(RowDescriptionId(*FindPreferencePageRow(16), kOrvanta), 119);
  EXPECT_EQ(RowDescriptionId(*FindPreferencePageRow(15), kOrvanta), 268);
  EXPECT_EQ(resources::EnglishString(VersionLabelId(kOrvanta)), u"Version of Zandor OrvantaPDF:");
  EXPECT_EQ(FindPreferencePageRow(8), nullptr);
  // Every text the page shows is in the string table.
  for (const PreferencePageRow& row : PreferencePageRows()) {
    for (resources::Product product : {kReader, kOrvanta}) {
      EXPECT_FALSE(resources::EnglishString(RowTextId(row, product)).empty()) << row.key;
      EXPECT_FALSE(resources::EnglishString(RowDescriptionId(row, product)).empty()) << row.key;
    }
  }
}

TEST(PreferencePageRowsTest, EverySettingOfTheCatalogueHasExactlyOneRowOnAPageThatExists) {
  std::multiset<std::u16string_view> covered;
  for (const PreferencePageRow& row : PreferencePageRows()) {
    EXPECT_NE(resources::DialogTemplate(row.pageId), nullptr) << row.key;
    for (std::u16string_view key : row.settings) {
      const document::PreferenceRow* setting = document::FindPreferenceRow(key);
      ASSERT_NE(setting, nullptr);
      EXPECT_EQ(setting->scope, row.scope);
      covered.insert(setting->key);
      EXPECT_EQ(FindRowOfSetting(setting->key), &row);
      // The row's controls are on its page (or among its boxes of the shared check-box page).
      for (const document::PreferenceBinding& binding : setting->bindings) {
        if (binding.kind == document::ControlKind::None) continue;
        EXPECT_EQ(binding.dialogId, row.pageId);
        if (!row.checkBoxes.empty()) {
          EXPECT_NE(std::find(row.checkBoxes.begin(), row.checkBoxes.end(), binding.controlId), row.checkBoxes.end());
        }
      }
    }
  }
  EXPECT_EQ(FindRowOfSetting(u"DISABLETESSADOC"), FindPreferencePageRow(14));
  EXPECT_EQ(FindRowOfSetting(u"HomePage"), nullptr);
  for (const document::PreferenceRow& setting : document::PreferenceCatalogue()) {
    EXPECT_EQ(covered.count(setting.key), setting.key == u"HomePage" ? 0u : 1u)
        << std::string(setting.key.begin(), setting.key.end());
  }
}

TEST(PreferencePageRowsTest, EveryPageIsCreatedOnceAndFiledUnderARowKey) {
  std::set<int> pages;
  for (const PreferencePageRow& row : PreferencePageRows()) pages.insert(row.pageId);
  const std::span<const int> order = OptionPageCreationOrder();
  EXPECT_EQ(std::set<int>(order.begin(), order.end()), pages);
  EXPECT_EQ(order.size(), pages.size());
  EXPECT_EQ(order.front(), 151);
  EXPECT_EQ(PageTableKey(kCheckPageId), 12);
  EXPECT_EQ(PageTableKey(170), 9);
  EXPECT_EQ(PageTableKey(999), -1);
  for (const PreferencePageRow& row : PreferencePageRows()) {
    if (row.pageId != kCheckPageId) {
      EXPECT_EQ(PageTableKey(row.pageId), row.key);
    }
  }
}

}  // namespace
}  // namespace cadmira::pages
