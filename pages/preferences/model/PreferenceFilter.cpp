#include "pages/preferences/model/PreferenceFilter.h"

#include <algorithm>

#include "base/AsciiCase.h"

namespace cadmira::pages {

bool RowListed(std::span<const std::u16string> texts, bool changed, const PreferenceFilter& filter) {
  if (filter.changedOnly && !changed) return false;
  if (filter.text.empty()) return true;
  return std::any_of(texts.begin(), texts.end(),
                     [&filter](const std::u16string& text) { return AsciiContainsNoCase(text, filter.text); });
}

std::optional<int> RowToSelect(std::span<const int> listedKeys, std::optional<int> selectedKey) {
  if (listedKeys.empty()) return std::nullopt;
  if (selectedKey && std::find(listedKeys.begin(), listedKeys.end(), *selectedKey) != listedKeys.end()) {
    return selectedKey;
  }
  return listedKeys.front();
}

}  // namespace cadmira::pages
