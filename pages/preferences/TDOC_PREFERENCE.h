#pragma once

#include "pages/preferences/OptionPage.h"
#include "resources/ResourceIds.h"

namespace cadmira::pages {

// The Tessadoc settings (dialog 238): a master switch that greys out the three options below it.
class TDOC_PREFERENCE : public COptionPage {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kTessadocDialog;
  static constexpr int kDisableBox = resources::kDisableTessadocCheck;
  static constexpr int kOptionBoxes[] = {1096, 1080, 1045};

  TDOC_PREFERENCE();

  // A click on the master switch: its options are usable only while it is off. Their marks stay.
  void OnDisableClicked();

 protected:
  void OnInitDialog() override;
};

}  // namespace cadmira::pages
