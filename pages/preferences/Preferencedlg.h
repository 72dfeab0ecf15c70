#pragma once

#include "framework/PageDialog.h"

class QLineEdit;

namespace cadmira::pages {

// The Preferences page (dialog 152) of the main window's tab control.
class CPreferencedlg : public framework::PageDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 152;

  explicit CPreferencedlg(QWidget* parent = nullptr);

  // The version box (1075); null before the page is created.
  QLineEdit* VersionEdit() const;

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::pages
