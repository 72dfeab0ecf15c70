#include "pages/preferences/Statusdlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1068, 201}};
// Default, Auto-hide, Show, Hide.
constexpr int kStatusBarItems[] = {202, 206, 207, 208};
constexpr OptionPageCombo kCombos[] = {{1069, kStatusBarItems}};

}  // namespace

CStatusdlg::CStatusdlg() : COptionPage(kDialogId, {kLabels, kCombos}, true) {}

}  // namespace cadmira::pages
