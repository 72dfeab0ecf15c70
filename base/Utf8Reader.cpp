#include "base/Utf8Reader.h"

void CZD_Utf8Reader::AppendCodePoint(std::uint32_t codePoint) {
  char16_t units[2];
  const int count = EncodeUtf16(codePoint, units);
  for (int i = 0; i < count; ++i) {
    m_buffer.AppendUnit(units[i]);
  }
}
