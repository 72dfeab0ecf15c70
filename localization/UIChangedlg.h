#pragma once

#include "framework/Dialog.h"
#include "resources/ResourceIds.h"

namespace cadmira::localization {

// The interface change dialog (130): the interface language above the product choice. When it is
// confirmed it holds the indices that were chosen; storing them is the caller's.
class CUIChangedlg : public framework::Dialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kUiChangeDialog;
  static constexpr int kHeading = 1008;
  static constexpr int kLanguageCombo = resources::kUiChangeLanguageCombo;
  static constexpr int kReaderRadio = 1009;
  static constexpr int kOrvantaRadio = 1010;

  explicit CUIChangedlg(QWidget* parent = nullptr);

  // The entry picked from the language list (0 English, 1 Chinese), -1 when none was picked.
  int LanguageIndex() const { return m_nLanguageIndex; }
  // The checked product (0 Reader, 1 Orvanta), -1 when neither is checked.
  int ProductIndex() const { return m_nProductIndex; }

 protected:
  void OnInitDialog() override;
  void OnOK() override;

 private:
  void CheckStoredProduct();
  void FillLanguages();
  void SetTexts();

  int m_nLanguageIndex = -1;
  int m_nProductIndex = -1;
};

}  // namespace cadmira::localization
