#pragma once

#include <span>

#include "pages/preferences/OptionPage.h"
#include "resources/ResourceIds.h"

namespace cadmira::pages {

// One page for five check-box settings (dialog 172); the Preferences page shows the boxes of the
// row that is picked.
class CCheckdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kCheckPageDialog;

  CCheckdlg();

  // Hides every box of the page but `boxes`.
  void ShowOnly(std::span<const int> boxes);
};

}  // namespace cadmira::pages
