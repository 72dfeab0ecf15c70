#include "pages/preferences/Safereadingdlg.h"

namespace cadmira::pages {

CSafereadingdlg::CSafereadingdlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
