#include "pages/preferences/InternetConnectionDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1119, kThreeWayItems}};

}  // namespace

CInternetConnectionDlg::CInternetConnectionDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
