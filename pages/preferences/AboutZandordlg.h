#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The texts of the products' About box (dialog 151): copyright, content and a logo picture.
class CAboutZandordlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 151;
  static constexpr int kLogoPathEdit = 1071;
  static constexpr int kBrowseButton = 1005;

  CAboutZandordlg();

  // Picks the logo picture.
  void OnBrowse();

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::pages
