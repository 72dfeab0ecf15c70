#pragma once

#include "base/GrowBuffer.h"

#include <cstdint>

// The forgiving UTF-8 decoding every reader of the library shares, one byte from 0x80 up at a
// time: a lead byte starts a sequence, a continuation byte adds its bits when one is pending and
// is dropped otherwise, 0xFE and 0xFF are dropped. A byte below 0x80 cancels the sequence.
struct CZD_Utf8Sequence {
  // True with the code point (0 replaced by U+FFFD) when `byte` ends a sequence.
  bool InputHigh(unsigned char byte, std::uint32_t& codePoint) {
    if (byte < 0xC0) {
      if (pending > 0) {
        bits = (bits << 6) | (byte & 0x3Fu);
        if (--pending == 0) {
          codePoint = bits != 0 ? bits : 0xFFFD;
          return true;
        }
      }
    } else if (byte < 0xE0) {
      Start(1, byte & 0x1Fu);
    } else if (byte < 0xF0) {
      Start(2, byte & 0x0Fu);
    } else if (byte < 0xF8) {
      Start(3, byte & 0x07u);
    } else if (byte < 0xFC) {
      Start(4, byte & 0x03u);
    } else if (byte < 0xFE) {
      Start(5, byte & 0x01u);
    }
    return false;
  }
  void Start(int count, std::uint32_t leadBits) {
    pending = count;
    bits = leadBits;
  }

  int pending = 0;
  std::uint32_t bits = 0;
};

// Writes a code point as UTF-16 into `units` (room for 2): up to 0xFFFF as one unit, up to
// 0x10FFFF as a surrogate pair, nothing above. Returns the number of units written.
inline int EncodeUtf16(std::uint32_t codePoint, char16_t* units) {
  if (codePoint <= 0xFFFF) {
    units[0] = static_cast<char16_t>(codePoint);
    return 1;
  }
  if (codePoint <= 0x10FFFF) {
    codePoint -= 0x10000;
    units[0] = static_cast<char16_t>(0xD800 | (codePoint >> 10));
    units[1] = static_cast<char16_t>(0xDC00 | (codePoint & 0x3FF));
    return 2;
  }
  return 0;
}

// Decodes UTF-8 one byte at a time into a growable UTF-16 buffer.
class CZD_Utf8Reader {
 public:
  explicit CZD_Utf8Reader(IZD_Allocator* allocator = nullptr) : m_buffer(0, allocator) {}

  void Input(unsigned char byte) {
    std::uint32_t codePoint = 0;
    if (byte < 0x80) {
      m_sequence.pending = 0;
      m_buffer.AppendUnit(byte);
    } else if (m_sequence.InputHigh(byte, codePoint)) {
      AppendCodePoint(codePoint);
    }
  }
  // Appends a code point as EncodeUtf16 does.
  void AppendCodePoint(std::uint32_t codePoint);
  // Forgets a partly read sequence.
  void ClearStatus() { m_sequence.pending = 0; }
  // Forgets the decoded text and any partly read sequence.
  void Clear() {
    m_buffer.Clear();
    m_sequence.pending = 0;
  }

  const CZD_GrowBuffer& Buffer() const { return m_buffer; }
  CZD_WideStr GetResult() const { return m_buffer.GetWideStr(); }

 private:
  CZD_Utf8Sequence m_sequence;
  CZD_GrowBuffer m_buffer;
};
