#include "pages/preferences/TDOC_PREFERENCE.h"

#include <QCheckBox>

namespace cadmira::pages {

TDOC_PREFERENCE::TDOC_PREFERENCE() : COptionPage(kDialogId, false) {}

void TDOC_PREFERENCE::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (auto* master = item<QCheckBox>(kDisableBox)) {
    connect(master, &QCheckBox::clicked, this, &TDOC_PREFERENCE::OnDisableClicked);
  }
}

void TDOC_PREFERENCE::OnDisableClicked() {
  const auto* master = item<QCheckBox>(kDisableBox);
  if (master == nullptr) return;
  for (const int id : kOptionBoxes) {
    if (QWidget* box = item(id)) box->setEnabled(!master->isChecked());
  }
}

}  // namespace cadmira::pages
