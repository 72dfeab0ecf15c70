#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The status bar (dialog 178): four choices.
class CStatusdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 178;

  CStatusdlg();
};

}  // namespace cadmira::pages
