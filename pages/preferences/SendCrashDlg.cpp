#include "pages/preferences/SendCrashDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1032, kThreeWayItems}};

}  // namespace

CSendCrashDlg::CSendCrashDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
