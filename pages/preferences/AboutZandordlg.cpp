#include "pages/preferences/AboutZandordlg.h"

#include <QPushButton>

#include "pages/preferences/BrowseForFile.h"

namespace cadmira::pages {

CAboutZandordlg::CAboutZandordlg() : COptionPage(kDialogId, true) {}

void CAboutZandordlg::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (auto* browse = item<QPushButton>(kBrowseButton))
    connect(browse, &QPushButton::clicked, this, &CAboutZandordlg::OnBrowse);
}

void CAboutZandordlg::OnBrowse() {
  BrowseForFile(*this, QStringLiteral("Image Files (*.jpg;*.bmp;*.png;*.gif;*.jpeg)|*.jpg;*.bmp;*.png;*.gif;*.jpeg|"),
                kLogoPathEdit);
}

}  // namespace cadmira::pages
