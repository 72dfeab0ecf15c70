#include "localization/UiString.h"

#include "localization/LanguageFile.h"
#include "resources/StringTable.h"

namespace cadmira::localization {

QString LoadUiString(int id) {
  if (auto translated = LanguageString(id)) return QString::fromStdU16String(*translated);
  const std::u16string_view english = resources::EnglishString(id);
  return QString::fromUtf16(english.data(), static_cast<qsizetype>(english.size()));
}

}  // namespace cadmira::localization
