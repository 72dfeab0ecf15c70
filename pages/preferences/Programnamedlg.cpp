#include "pages/preferences/Programnamedlg.h"

namespace cadmira::pages {

CProgramnamedlg::CProgramnamedlg() : COptionPage(kDialogId, true) {}

}  // namespace cadmira::pages
