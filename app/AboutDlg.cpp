#include "app/AboutDlg.h"

#include <QPushButton>

#include "localization/Relabel.h"

namespace cadmira::app {

CAboutDlg::CAboutDlg(QWidget* parent) : Dialog(kDialogId, parent) {}

void CAboutDlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  if (auto* ok = item<QPushButton>(framework::kIdOk)) connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
}

}  // namespace cadmira::app
