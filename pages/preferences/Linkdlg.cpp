#include "pages/preferences/Linkdlg.h"

#include <QPushButton>

#include "pages/preferences/BrowseForFile.h"

namespace cadmira::pages {

CLinkdlg::CLinkdlg() : COptionPage(kDialogId, true) {}

void CLinkdlg::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (auto* browse = item<QPushButton>(kBrowseButton))
    connect(browse, &QPushButton::clicked, this, &CLinkdlg::OnBrowse);
}

void CLinkdlg::OnBrowse() { BrowseForFile(*this, QStringLiteral("PDF Files (*.PDF)|*.PDF|"), kLinkEdit); }

}  // namespace cadmira::pages
