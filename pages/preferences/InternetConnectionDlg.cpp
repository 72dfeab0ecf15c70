#include "pages/preferences/InternetConnectionDlg.h"

namespace cadmira::pages {

CInternetConnectionDlg::CInternetConnectionDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
