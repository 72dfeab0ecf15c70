#include "pages/preferences/CheckApp.h"

namespace cadmira::pages {

CCheckApp::CCheckApp() : COptionPage(kDialogId, false) {}

void CCheckApp::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (QWidget* box = item(kProgramNameBox)) box->hide();
}

}  // namespace cadmira::pages
