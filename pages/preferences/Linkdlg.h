#pragma once

#include "pages/preferences/OptionPage.h"

namespace cadmira::pages {

// The link of the user manual (dialog 177): a path or address, or a PDF file picked with Browse.
class CLinkdlg : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 177;
  static constexpr int kLinkEdit = 1074;
  static constexpr int kBrowseButton = 1005;

  CLinkdlg();

  // Picks the manual's PDF file.
  void OnBrowse();

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::pages
