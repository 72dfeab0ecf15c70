#pragma once

#include "pages/preferences/OptionPage.h"
#include "resources/ResourceIds.h"

class QKeyEvent;

namespace cadmira::pages {

// The advertisement of the reader product (dialog 171): remove it, scroll it, and its rolling time
// in seconds, whose edit takes digits and the deleting keys only.
class CAdvdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kAdvertiseDialog;
  static constexpr int kRollingTimeEdit = resources::kRollingTimeEdit;

  CAdvdlg();

  // True for a key the rolling-time edit takes.
  static bool RollingTimeKey(const QKeyEvent& event);

 protected:
  void OnInitDialog() override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace cadmira::pages
