#include "localization/lookup/UnescapeText.h"

namespace cadmira::localization {
namespace {

char16_t EscapedCharacter(char16_t letter) {
  switch (letter) {
    case u't':
      return u'\t';
    case u'n':
      return u'\n';
    case u'r':
      return u'\r';
    default:
      return 0;
  }
}

}  // namespace

std::u16string UnescapeText(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size());
  std::size_t position = 0;
  for (;;) {
    const std::size_t backslash = text.find(u'\\', position);
    if (backslash == std::u16string_view::npos || backslash + 1 >= text.size()) break;
    const char16_t replacement = EscapedCharacter(text[backslash + 1]);
    if (replacement == 0) break;
    result.append(text.substr(position, backslash - position));
    result.push_back(replacement);
    position = backslash + 2;
  }
  result.append(text.substr(position));
  return result;
}

}  // namespace cadmira::localization
