#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// Anonymous usage data (dialog 258).
class CollectDataDlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 258;

  CollectDataDlg();
};

}  // namespace cadmira::pages
