#include "base/Utf8Reader.h"

#include <climits>

void CZD_Utf8Reader::InputAscii(const unsigned char* bytes, int count) {
  if (count <= 0) {
    return;
  }
  m_sequence.pending = 0;
  // Text is collected in steps of at least 100 bytes.
  if (count > (INT_MAX - 100) / 2 || !m_buffer.EnsureRoom(count * 2 < 100 ? 100 : count * 2)) {
    return;
  }
  char16_t* units = m_buffer.ExtendUnits(count);
  for (int i = 0; i < count; ++i) {
    units[i] = bytes[i];
  }
}

void CZD_Utf8Reader::AppendCodePoint(std::uint32_t codePoint) {
  char16_t units[2];
  const int count = EncodeUtf16(codePoint, units);
  for (int i = 0; i < count; ++i) {
    m_buffer.AppendUnit(units[i]);
  }
}
