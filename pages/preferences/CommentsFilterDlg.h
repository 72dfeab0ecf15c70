#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Filtering comments by their author (dialog 259).
class CCommentsFilterDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 259;

  CCommentsFilterDlg();
};

}  // namespace cadmira::pages
