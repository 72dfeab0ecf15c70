#include "app/InterfaceChange.h"

#include "framework/Host.h"
#include "framework/StoredSettings.h"
#include "localization/LanguageFile.h"
#include "localization/UIChangedlg.h"
#include "localization/UiString.h"
#include "resources/ResourceIds.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

}  // namespace

void StoreInterfaceChoice(int languageIndex, int productIndex) {
  int language = framework::StoredLanguage();
  if (languageIndex == 0) language = localization::kEnglishLangId;
  if (languageIndex == 1) language = localization::kChineseLangId;
  framework::StoreLanguage(language);
  if (productIndex == 0) framework::StoreProduct(resources::Product::Reader);
  if (productIndex == 1) framework::StoreProduct(resources::Product::Orvanta);
}

void InterfaceChange(QWidget* owner, const std::function<bool()>& mayRestart) {
  localization::CUIChangedlg dialog(owner);
  if (dialog.DoModal() != framework::kIdOk) return;
  StoreInterfaceChoice(dialog.LanguageIndex(), dialog.ProductIndex());
  const framework::MessageAnswer answer = framework::CurrentHost().MessageBox(
      owner, LoadUiString(resources::kRestartQuestion), LoadUiString(resources::kInterfaceChangeCaption),
      framework::MessageIcon::Question, framework::MessageButtons::YesNo);
  if (answer != framework::MessageAnswer::Yes) return;
  if (mayRestart && !mayRestart()) return;
  RestartProgram(owner);
}

void RestartProgram(QWidget* owner) {
  if (framework::CurrentHost().Restart()) return;
  framework::CurrentHost().MessageBox(owner, LoadUiString(resources::kRestartFailedText),
                                      LoadUiString(resources::kInterfaceChangeCaption),
                                      framework::MessageIcon::Information, framework::MessageButtons::Ok);
}

}  // namespace cadmira::app
