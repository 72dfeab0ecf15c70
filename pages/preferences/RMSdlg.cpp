#include "pages/preferences/RMSdlg.h"

namespace cadmira::pages {

CRMSdlg::CRMSdlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
