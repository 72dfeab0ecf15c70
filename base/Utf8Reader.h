#pragma once

#include "base/GrowBuffer.h"

#include <cstdint>

// Decodes UTF-8 one byte at a time into UTF-16, as forgivingly as the XML reader needs: stray
// continuation bytes, 0xFE and 0xFF are dropped; a sequence is cut short by the next ASCII byte.
class CZD_Utf8Reader {
 public:
  explicit CZD_Utf8Reader(IZD_Allocator* allocator = nullptr) : m_buffer(0, allocator) {}

  void Input(unsigned char byte) {
    if (byte < 0x80) {
      m_nPending = 0;
      m_buffer.AppendUnit(byte);
    } else {
      InputHigh(byte);
    }
  }
  // The same as Input for each byte of a run of bytes below 0x80.
  void InputAscii(const unsigned char* bytes, int count);
  // Appends a code point: up to 0xFFFF as one unit, up to 0x10FFFF as a surrogate pair,
  // nothing above.
  void AppendCodePoint(std::uint32_t codePoint);
  // Forgets a partly read sequence.
  void ClearStatus() { m_nPending = 0; }
  // Forgets the decoded text and any partly read sequence.
  void Clear() {
    m_buffer.Clear();
    m_nPending = 0;
  }

  const CZD_GrowBuffer& Buffer() const { return m_buffer; }
  CZD_WideStr GetResult() const { return m_buffer.GetWideStr(); }

 private:
  void InputHigh(unsigned char byte);

  int m_nPending = 0;
  std::uint32_t m_codeBits = 0;
  CZD_GrowBuffer m_buffer;
};
