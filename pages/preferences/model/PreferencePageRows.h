#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "document/PreferenceCatalogue.h"
#include "resources/ResourceIds.h"
#include "resources/Product.h"

namespace cadmira::pages {

// One row of the Preferences page's list: the setting key it carries as item data, its texts by
// string id, and where its values live.
struct PreferencePageRow {
  int key;
  document::ProductScope scope;
  int readerTextId;
  int orvantaTextId;
  int readerDescriptionId;
  int orvantaDescriptionId;
  int pageId;                                     // the option page that shows it
  std::span<const int> checkBoxes;                // the page's boxes of this row; empty: the whole page
  std::span<const std::u16string_view> settings;  // the catalogue keys the page edits
};

// Every row, in the order the page adds them to its list.
std::span<const PreferencePageRow> PreferencePageRows();

// The rows the product lists, in that order.
std::vector<const PreferencePageRow*> ListedPreferenceRows(resources::Product product);

// The row of a key, null for none.
const PreferencePageRow* FindPreferencePageRow(int key);

// The row whose page edits a catalogue key, ignoring case; null for none (HomePage has no page).
const PreferencePageRow* FindRowOfSetting(std::u16string_view settingKey);

// The row that shows a control: the row of its option page, or on the check-box page the row of
// its box; null for a control no row shows.
const PreferencePageRow* FindRowOfControl(int dialogId, int controlId);

bool RowListedFor(const PreferencePageRow& row, resources::Product product);
int RowTextId(const PreferencePageRow& row, resources::Product product);
int RowDescriptionId(const PreferencePageRow& row, resources::Product product);

// The description the page shows before any row is picked.
int InitialDescriptionId(resources::Product product);
// The version label above the list.
int VersionLabelId(resources::Product product);

// The option pages in the order the Preferences page creates them.
std::span<const int> OptionPageCreationOrder();

// The key a page is entered under in the page table (the check-box page under Start Page's).
int PageTableKey(int pageId);

// The check-box page that hosts several rows, and every box on it.
inline constexpr int kCheckPageId = resources::kCheckPageDialog;
std::span<const int> CheckPageBoxes();

// The row shown when the page opens.
inline constexpr int kAboutKey = 0;

}  // namespace cadmira::pages
