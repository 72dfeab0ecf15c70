#include "localization/ReasonText.h"

#include "base/SystemErrorText.h"
#include "localization/LanguageFile.h"

namespace cadmira::localization {

namespace {
// Debian names it so once it is generated; without it the reason stays as the system gave it.
constexpr const char* kChineseLocale = "zh_CN.UTF-8";
}  // namespace

QString ReasonText(const Error& error) {
  return QString::fromStdString(LanguageFileLoaded() ? ErrorMessageInLocale(error, kChineseLocale) : error.message);
}

}  // namespace cadmira::localization
