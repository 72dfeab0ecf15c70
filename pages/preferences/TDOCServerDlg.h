#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The default Tessadoc server (dialog 261).
class TDOCServerDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 261;

  TDOCServerDlg();
};

}  // namespace cadmira::pages
