#include "pages/preferences/Languagedlg.h"

namespace cadmira::pages {

CLanguagedlg::CLanguagedlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
