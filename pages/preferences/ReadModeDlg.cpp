#include "pages/preferences/ReadModeDlg.h"

namespace cadmira::pages {

CReadModeDlg::CReadModeDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
