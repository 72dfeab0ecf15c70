#include "app/InterfaceChange.h"

#include "framework/Host.h"
#include "framework/ProfileStore.h"
#include "localization/LanguageFile.h"
#include "localization/UIChangedlg.h"
#include "localization/UiString.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

constexpr int kReaderProduct = 1;
constexpr int kOrvantaProduct = 0;

const QString kLanguages = QStringLiteral("Languages");
const QString kLangId = QStringLiteral("langid");
const QString kVersions = QStringLiteral("Versions");
const QString kVerId = QStringLiteral("verid");

}  // namespace

void StoreInterfaceChoice(int languageIndex, int productIndex) {
  int language = framework::ProfileInt(kLanguages, kLangId, localization::kEnglishLangId);
  if (languageIndex == 0) language = localization::kEnglishLangId;
  if (languageIndex == 1) language = localization::kChineseLangId;
  framework::WriteProfileInt(kLanguages, kLangId, language);
  if (productIndex == 0) framework::WriteProfileInt(kVersions, kVerId, kReaderProduct);
  if (productIndex == 1) framework::WriteProfileInt(kVersions, kVerId, kOrvantaProduct);
}

void InterfaceChange(QWidget* owner) {
  localization::CUIChangedlg dialog(owner);
  if (dialog.DoModal() != framework::kIdOk) return;
  StoreInterfaceChoice(dialog.LanguageIndex(), dialog.ProductIndex());
  const framework::MessageAnswer answer = framework::CurrentHost().MessageBox(
      owner, LoadUiString(225), LoadUiString(226), framework::MessageIcon::Question, framework::MessageButtons::YesNo);
  if (answer == framework::MessageAnswer::Yes) RestartProgram(owner);
}

void RestartProgram(QWidget* owner) {
  if (framework::CurrentHost().Restart()) return;
  framework::CurrentHost().MessageBox(owner, LoadUiString(299), LoadUiString(226), framework::MessageIcon::Information,
                                      framework::MessageButtons::Ok);
}

}  // namespace cadmira::app
