#include "pages/preferences/Checkdlg.h"

#include <algorithm>

#include "pages/preferences/model/PreferencePageRows.h"

namespace cadmira::pages {

CCheckdlg::CCheckdlg() : COptionPage(kDialogId, true) {}

void CCheckdlg::ShowOnly(std::span<const int> boxes) {
  for (const int id : CheckPageBoxes()) {
    if (QWidget* box = item(id)) box->setVisible(std::find(boxes.begin(), boxes.end(), id) != boxes.end());
  }
}

}  // namespace cadmira::pages
