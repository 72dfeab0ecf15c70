#include "base/WideStr.h"

#include <algorithm>
#include <cstdint>

namespace {

char16_t FoldAscii(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

}  // namespace

int CZD_WideStr::CompareNoCase(CZD_WideStrView other) const {
  const std::u16string_view mine = View();
  const std::u16string_view theirs = other.View();
  const std::size_t common = std::min(mine.size(), theirs.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char16_t a = FoldAscii(mine[i]);
    const char16_t b = FoldAscii(theirs[i]);
    if (a != b) {
      return a < b ? -1 : 1;
    }
  }
  if (mine.size() == theirs.size()) {
    return 0;
  }
  return mine.size() < theirs.size() ? -1 : 1;
}

int CZD_WideStr::DecimalValue(CZD_WideStrView text) {
  const std::u16string_view units = text.View();
  std::size_t i = 0;
  const bool negative = !units.empty() && units[0] == u'-';
  if (negative) {
    ++i;
  }
  // Unsigned arithmetic: an overlong number wraps as 32-bit arithmetic does, without undefined behaviour.
  std::uint32_t value = 0;
  for (; i < units.size() && units[i] >= u'0' && units[i] <= u'9'; ++i) {
    value = value * 10 + static_cast<std::uint32_t>(units[i] - u'0');
  }
  if (negative) {
    value = 0u - value;
  }
  return static_cast<int>(value);
}
