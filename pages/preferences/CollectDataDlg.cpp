#include "pages/preferences/CollectDataDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1114, kThreeWayItems}};

}  // namespace

CollectDataDlg::CollectDataDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
