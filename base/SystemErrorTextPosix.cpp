#include "base/SystemErrorText.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace cadmira {

std::string ErrorMessageInLocale(const Error& error, const char* localeName) {
  if (error.code == 0) return error.message;
  const std::string current = std::strerror(error.code);
  if (current.size() > error.message.size() ||
      error.message.compare(error.message.size() - current.size(), current.size(), current) != 0) {
    return error.message;
  }
  // The messages come from the locale's catalogue; its character set from its character type.
  locale_t locale = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, localeName, static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return error.message;
  std::string translated = strerror_l(error.code, locale);
  freelocale(locale);
  return error.message.substr(0, error.message.size() - current.size()) + translated;
}

}  // namespace cadmira
