#include "pages/preferences/CommentsFilterDlg.h"

namespace cadmira::pages {

CCommentsFilterDlg::CCommentsFilterDlg() : COptionPage(kDialogId, false) {}

}  // namespace cadmira::pages
