#include "pages/preferences/CommentsFilterDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1115, kThreeWayItems}};

}  // namespace

CCommentsFilterDlg::CCommentsFilterDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
