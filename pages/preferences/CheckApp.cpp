#include "pages/preferences/CheckApp.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{CCheckApp::kSignatureBox, 270}};

}  // namespace

CCheckApp::CCheckApp() : COptionPage(kDialogId, {kLabels, {}}, false) {}

void CCheckApp::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (QWidget* box = item(kProgramNameBox)) box->hide();
}

}  // namespace cadmira::pages
