#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The RMS settings (dialog 170): two choices and four wrapping check boxes.
class CRMSdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 170;

  CRMSdlg();
};

}  // namespace cadmira::pages
