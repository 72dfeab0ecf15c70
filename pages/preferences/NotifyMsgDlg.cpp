#include "pages/preferences/NotifyMsgDlg.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageCombo kCombos[] = {{1111, kThreeWayItems}};

}  // namespace

CNotifyMsgDlg::CNotifyMsgDlg() : COptionPage(kDialogId, {{}, kCombos}, false) {}

}  // namespace cadmira::pages
