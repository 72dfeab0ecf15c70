#include "pages/preferences/NotifyMsgDlg.h"

namespace cadmira::pages {

CNotifyMsgDlg::CNotifyMsgDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
