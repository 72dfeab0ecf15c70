#pragma once

#include "framework/PageDialog.h"
#include "pages/preferences/model/OptionPageTexts.h"

namespace cadmira::pages {

// One option page of the Preferences page: a child window made from its template, relabelled for
// the interface language, with its labels and combo items set from the string table. Its
// controls are the only store of the values of its settings.
class COptionPage : public framework::PageDialog {
  Q_OBJECT

 public:
  COptionPage(int dialogId, bool keyPassThrough);

 protected:
  void OnInitDialog() override;

 private:
  OptionPageTexts m_texts;
};

}  // namespace cadmira::pages
