#include "pages/preferences/AboutZandordlg.h"

#include <QPushButton>

#include "pages/preferences/BrowseForFile.h"

namespace cadmira::pages {
namespace {

constexpr OptionPageLabel kLabels[] = {{1011, 183}, {1054, 184}, {1055, 185}, {CAboutZandordlg::kBrowseButton, 186}};

}  // namespace

CAboutZandordlg::CAboutZandordlg() : COptionPage(kDialogId, {kLabels, {}}, true) {}

void CAboutZandordlg::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (auto* browse = item<QPushButton>(kBrowseButton)) connect(browse, &QPushButton::clicked, this, &CAboutZandordlg::OnBrowse);
}

void CAboutZandordlg::OnBrowse() {
  BrowseForFile(*this, QStringLiteral("Image Files (*.jpg;*.bmp;*.png;*.gif;*.jpeg)|*.jpg;*.bmp;*.png;*.gif;*.jpeg|"),
                kLogoPathEdit);
}

}  // namespace cadmira::pages
