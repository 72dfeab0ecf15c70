#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The application language (dialog 173).
class CLanguagedlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 173;

  CLanguagedlg();
};

}  // namespace cadmira::pages
