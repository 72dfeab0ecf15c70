#include "localization/UIChangedlg.h"

#include <QPushButton>

#include "framework/ComboBox.h"
#include "framework/RadioButton.h"
#include "framework/StoredSettings.h"
#include "localization/LanguageFile.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "localization/WindowText.h"
#include "resources/ResourceIds.h"

namespace cadmira::localization {

CUIChangedlg::CUIChangedlg(QWidget* parent) : Dialog(kDialogId, parent) {}

void CUIChangedlg::OnInitDialog() {
  RelabelDialog(this, kDialogId);
  CheckStoredProduct();
  FillLanguages();
  SetTexts();
  if (auto* confirm = item<QPushButton>(framework::kIdOk)) {
    connect(confirm, &QPushButton::clicked, this, [this] { OnOK(); });
  }
}

void CUIChangedlg::CheckStoredProduct() {
  const bool reader = framework::StoredProduct() == resources::Product::Reader;
  if (auto* radio = item<framework::RadioButton>(kReaderRadio)) radio->setChecked(reader);
  if (auto* radio = item<framework::RadioButton>(kOrvantaRadio)) radio->setChecked(!reader);
}

void CUIChangedlg::FillLanguages() {
  auto* combo = item<framework::ComboBox>(kLanguageCombo);
  if (combo == nullptr) return;
  combo->AddString(LoadUiString(resources::kEnglishText));
  combo->AddString(LoadUiString(resources::kChineseText));
  combo->SetCurSel(-1);
  // The field names the current language while no entry is selected, so that confirming without
  // picking one keeps the language.
  const int language = framework::StoredLanguage();
  if (language == kEnglishLangId) SetWindowText(combo, LoadUiString(resources::kEnglishText));
  if (language == kChineseLangId) SetWindowText(combo, LoadUiString(resources::kChineseText));
}

void CUIChangedlg::SetTexts() {
  const std::pair<int, int> texts[] = {
      {kHeading, 109}, {kReaderRadio, 110}, {kOrvantaRadio, 111}, {framework::kIdOk, 112}};
  for (const auto& [id, stringId] : texts) {
    if (QWidget* control = item(id)) SetWindowText(control, LoadUiString(stringId));
  }
  setWindowTitle(LoadUiString(resources::kInterfaceTitle));
}

void CUIChangedlg::OnOK() {
  const auto* reader = item<framework::RadioButton>(kReaderRadio);
  const auto* orvanta = item<framework::RadioButton>(kOrvantaRadio);
  if (reader != nullptr && reader->isChecked()) {
    m_nProductIndex = 0;
  } else if (orvanta != nullptr && orvanta->isChecked()) {
    m_nProductIndex = 1;
  } else {
    m_nProductIndex = -1;
  }
  const auto* combo = item<framework::ComboBox>(kLanguageCombo);
  m_nLanguageIndex = combo != nullptr ? combo->CurSel() : -1;
  EndDialog(framework::kIdOk);
}

}  // namespace cadmira::localization
