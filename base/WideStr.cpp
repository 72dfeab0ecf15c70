#include "base/WideStr.h"

#include "base/AsciiCase.h"

#include <cstdint>

int CZD_WideStr::CompareNoCase(CZD_WideStrView other) const {
  const int order = cadmira::AsciiCompareNoCase(View(), other.View());
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
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
