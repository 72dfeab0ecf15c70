#include "base/AsciiCase.h"

#include <type_traits>

namespace cadmira {
namespace {

template <class Char>
Char Lower(Char c) {
  return (c >= Char('A') && c <= Char('Z')) ? Char(c - Char('A') + Char('a')) : c;
}

template <class View>
int Compare(View a, View b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    // Compare as unsigned code units so that bytes above 0x7F sort after ASCII.
    const auto x = static_cast<unsigned>(static_cast<std::make_unsigned_t<typename View::value_type>>(Lower(a[i])));
    const auto y = static_cast<unsigned>(static_cast<std::make_unsigned_t<typename View::value_type>>(Lower(b[i])));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

template <class View>
bool Equal(View a, View b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

char16_t AsciiLower(char16_t c) { return Lower(c); }
char AsciiLower(char c) { return Lower(c); }

std::u16string AsciiLowered(std::u16string_view text) {
  std::u16string lowered(text);
  for (char16_t& c : lowered) c = Lower(c);
  return lowered;
}

int AsciiCompareNoCase(std::string_view a, std::string_view b) { return Compare(a, b); }
int AsciiCompareNoCase(std::u16string_view a, std::u16string_view b) { return Compare(a, b); }

bool AsciiEqualNoCase(std::string_view a, std::string_view b) { return Equal(a, b); }
bool AsciiEqualNoCase(std::u16string_view a, std::u16string_view b) { return Equal(a, b); }

bool AsciiContainsNoCase(std::u16string_view text, std::u16string_view part) {
  if (part.size() > text.size()) return false;
  for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
    if (Equal(text.substr(start, part.size()), part)) return true;
  }
  return false;
}

}  // namespace cadmira
