#include "pages/preferences/TDOCServerDlg.h"

namespace cadmira::pages {

TDOCServerDlg::TDOCServerDlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
