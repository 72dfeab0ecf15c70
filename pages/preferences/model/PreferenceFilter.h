#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace cadmira::pages {

// What narrows the Preferences page's list: the text typed in its find field and the "Changed
// only" box.
struct PreferenceFilter {
  std::u16string text;
  bool changedOnly = false;

  bool Empty() const { return text.empty() && !changedOnly; }
};

// Whether a row stays listed: one of its texts (row text, description, its option page's labels)
// holds the typed text, ignoring case, and it is changed when only changed rows are asked for.
bool RowListed(std::span<const std::u16string> texts, bool changed, const PreferenceFilter& filter);

// The row to select after the list was narrowed: the selected one while it is listed, else the
// first listed; nothing when no row is listed.
std::optional<int> RowToSelect(std::span<const int> listedKeys, std::optional<int> selectedKey);

}  // namespace cadmira::pages
