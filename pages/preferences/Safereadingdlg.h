#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Safe Reading Mode (dialog 176).
class CSafereadingdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 176;

  CSafereadingdlg();
};

}  // namespace cadmira::pages
