#include "base/Utf8Reader.h"

#include <climits>

void CZD_Utf8Reader::InputAscii(const unsigned char* bytes, int count) {
  if (count <= 0) {
    return;
  }
  m_nPending = 0;
  // Text is collected in steps of at least 100 bytes.
  if (count > (INT_MAX - 100) / 2 || !m_buffer.EnsureRoom(count * 2 < 100 ? 100 : count * 2)) {
    return;
  }
  char16_t* units = m_buffer.ExtendUnits(count);
  for (int i = 0; i < count; ++i) {
    units[i] = bytes[i];
  }
}

void CZD_Utf8Reader::InputHigh(unsigned char byte) {
  if (byte < 0xC0) {
    if (m_nPending > 0) {
      m_codeBits = (m_codeBits << 6) | (byte & 0x3Fu);
      if (--m_nPending == 0) {
        AppendCodePoint(m_codeBits != 0 ? m_codeBits : 0xFFFD);
      }
    }
  } else if (byte < 0xE0) {
    m_nPending = 1;
    m_codeBits = byte & 0x1Fu;
  } else if (byte < 0xF0) {
    m_nPending = 2;
    m_codeBits = byte & 0x0Fu;
  } else if (byte < 0xF8) {
    m_nPending = 3;
    m_codeBits = byte & 0x07u;
  } else if (byte < 0xFC) {
    m_nPending = 4;
    m_codeBits = byte & 0x03u;
  } else if (byte < 0xFE) {
    m_nPending = 5;
    m_codeBits = byte & 0x01u;
  }
}

void CZD_Utf8Reader::AppendCodePoint(std::uint32_t codePoint) {
  if (codePoint <= 0xFFFF) {
    m_buffer.AppendUnit(static_cast<char16_t>(codePoint));
  } else if (codePoint <= 0x10FFFF) {
    codePoint -= 0x10000;
    m_buffer.AppendUnit(static_cast<char16_t>(0xD800 | (codePoint >> 10)));
    m_buffer.AppendUnit(static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF)));
  }
}
