#include "pages/preferences/CollectDataDlg.h"

namespace cadmira::pages {

CollectDataDlg::CollectDataDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
