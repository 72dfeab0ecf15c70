#include "pages/preferences/SendCrashDlg.h"

namespace cadmira::pages {

CSendCrashDlg::CSendCrashDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
