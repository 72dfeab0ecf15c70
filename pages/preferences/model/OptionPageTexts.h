#pragma once

#include <span>

namespace cadmira::pages {

// A control whose text an option page sets from the string table at initialisation.
struct OptionPageLabel {
  int controlId;
  int stringId;
};

// A combo box and the string ids of its items, in list order.
struct OptionPageCombo {
  int controlId;
  std::span<const int> itemIds;
};

// The texts an option page sets at initialisation; its other controls keep their template text
// or the one the language file gives them.
struct OptionPageTexts {
  std::span<const OptionPageLabel> labels;
  std::span<const OptionPageCombo> combos;
};

// The texts of option page `dialogId`; none for a dialog that is no option page.
OptionPageTexts TextsOfOptionPage(int dialogId);

}  // namespace cadmira::pages
