#pragma once

#include <span>

#include "framework/PageDialog.h"

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

// The items of the three-way choices: Default, Disabled, Enabled.
inline constexpr int kThreeWayItems[] = {202, 203, 204};

// One option page of the Preferences page: a child window made from its template, relabelled for
// the interface language, with its labels and combo items set from the string table. Its
// controls are the only store of the values of its settings.
class COptionPage : public framework::PageDialog {
  Q_OBJECT

 public:
  struct Texts {
    std::span<const OptionPageLabel> labels;
    std::span<const OptionPageCombo> combos;
  };

  COptionPage(int dialogId, Texts texts, bool keyPassThrough);

 protected:
  void OnInitDialog() override;

 private:
  Texts m_texts;
};

}  // namespace cadmira::pages
