#include "pages/preferences/model/ChangedRows.h"

#include "document/PreferenceCatalogue.h"
#include "document/PreferenceValues.h"

namespace cadmira::pages {

bool RowChanged(const PreferencePageRow& row, resources::Product product, const document::IPageControls& controls,
                const document::IPageControls& untouched) {
  for (const std::u16string_view key : row.settings) {
    const document::PreferenceRow* setting = document::FindPreferenceRow(key);
    if (setting == nullptr || !document::RowAppliesTo(*setting, product)) continue;
    if (document::WrittenValues(*setting, controls) != document::WrittenValues(*setting, untouched)) return true;
  }
  return false;
}

std::vector<int> ChangedRowKeys(resources::Product product, const document::IPageControls& controls,
                                const document::IPageControls& untouched) {
  std::vector<int> keys;
  for (const PreferencePageRow* row : ListedPreferenceRows(product)) {
    if (RowChanged(*row, product, controls, untouched)) keys.push_back(row->key);
  }
  return keys;
}

}  // namespace cadmira::pages
