#include "pages/preferences/ReadModeDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1110, kThreeWayItems}};

}  // namespace

CReadModeDlg::CReadModeDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
