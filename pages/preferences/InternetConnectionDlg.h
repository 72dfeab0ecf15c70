#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Features that need the internet (dialog 262).
class CInternetConnectionDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 262;

  CInternetConnectionDlg();
};

}  // namespace cadmira::pages
