#pragma once

#include "framework/Dialog.h"
#include "resources/ResourceIds.h"

namespace cadmira::app {

// The About box (dialog 147): the program icon, its name and version, and the notice.
class CAboutDlg : public framework::Dialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kAboutDialog;

  explicit CAboutDlg(QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::app
