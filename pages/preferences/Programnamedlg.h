#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The program's name (dialog 175).
class CProgramnamedlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 175;

  CProgramnamedlg();
};

}  // namespace cadmira::pages
