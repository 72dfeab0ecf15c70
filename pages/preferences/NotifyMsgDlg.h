#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Expanding notification messages (dialog 257).
class CNotifyMsgDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 257;

  CNotifyMsgDlg();
};

}  // namespace cadmira::pages
