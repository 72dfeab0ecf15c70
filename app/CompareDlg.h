#pragma once

#include <QString>

#include "framework/Dialog.h"

namespace cadmira::app {

// The differences between the pages and a file (dialog 300): read-only text that can be
// selected and copied, and a Close button; Escape closes it.
class CCompareDlg : public framework::Dialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 300;
  static constexpr int kLabel = 1001;
  static constexpr int kDifferencesEdit = 1002;
  static constexpr int kCloseButton = framework::kIdCancel;

  CCompareDlg(QString differences, QWidget* parent = nullptr);

 protected:
  void OnInitDialog() override;

 private:
  QString m_strDifferences;
};

}  // namespace cadmira::app
