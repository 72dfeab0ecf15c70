#include "pages/preferences/Checkdlg.h"

#include <algorithm>

#include "pages/preferences/model/PreferencePageRows.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1053, 190}, {1047, 191}, {1010, 187}, {1048, 192}, {1049, 193}, {1052, 200}};

}  // namespace

CCheckdlg::CCheckdlg() : COptionPage(kDialogId, {kLabels, {}}, true) {}

void CCheckdlg::ShowOnly(std::span<const int> boxes) {
  for (const int id : CheckPageBoxes()) {
    if (QWidget* box = item(id)) box->setVisible(std::find(boxes.begin(), boxes.end(), id) != boxes.end());
  }
}

}  // namespace cadmira::pages
