#include "pages/preferences/Statusdlg.h"

namespace cadmira::pages {

CStatusdlg::CStatusdlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
