#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Read Mode in web browsers (dialog 256).
class CReadModeDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 256;

  CReadModeDlg();
};

}  // namespace cadmira::pages
