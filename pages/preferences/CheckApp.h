#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The security warning for programs without a valid signature (dialog 252). Its second box, the
// program-name check, is never shown: only a loaded document sets it.
class CCheckApp : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 252;
  static constexpr int kSignatureBox = 1046;
  static constexpr int kProgramNameBox = 1045;

  CCheckApp();

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::pages
