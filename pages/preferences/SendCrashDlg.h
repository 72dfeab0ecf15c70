#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Sharing the file of a crash (dialog 260).
class CSendCrashDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 260;

  CSendCrashDlg();
};

}  // namespace cadmira::pages
