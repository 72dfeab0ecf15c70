#include "pages/preferences/Safereadingdlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1065, 198}};
constexpr OptionPageCombo kCombos[] = {{1066, kThreeWayItems}};

}  // namespace

CSafereadingdlg::CSafereadingdlg() : COptionPage(kDialogId, {kLabels, kCombos}, true) {}

}  // namespace cadmira::pages
