#include "pages/preferences/OptionPage.h"

#include "framework/ComboBox.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "localization/WindowText.h"

namespace cadmira::pages {

COptionPage::COptionPage(int dialogId, bool keyPassThrough)
    : PageDialog(dialogId), m_texts(TextsOfOptionPage(dialogId)) {
  SetKeyPassThrough(keyPassThrough);
}

void COptionPage::OnInitDialog() {
  localization::RelabelDialog(this, TemplateId());
  for (const OptionPageLabel& label : m_texts.labels) {
    if (QWidget* control = item(label.controlId)) {
      localization::SetWindowText(control, localization::LoadUiString(label.stringId));
    }
  }
  for (const OptionPageCombo& combo : m_texts.combos) {
    auto* box = item<framework::ComboBox>(combo.controlId);
    if (box == nullptr) continue;
    for (const int id : combo.itemIds) box->AddString(localization::LoadUiString(id));
    box->SetCurSel(0);
  }
}

}  // namespace cadmira::pages
