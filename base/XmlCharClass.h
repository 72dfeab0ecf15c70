#pragma once

#include <array>
#include <cstdint>

// The XML reader's byte classes, one table lookup per byte.
namespace xmlchar {

inline constexpr std::uint8_t kSpace = 1;
inline constexpr std::uint8_t kNameStart = 2;
inline constexpr std::uint8_t kNameChar = 4;
inline constexpr std::uint8_t kDigit = 8;
inline constexpr std::uint8_t kHexDigit = 16;

constexpr std::array<std::uint8_t, 256> MakeTable() {
  std::array<std::uint8_t, 256> table{};
  for (int c = 0; c < 256; ++c) {
    std::uint8_t bits = 0;
    const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    const bool high = c >= 0x80 && c <= 0xFD;
    const bool digit = c >= '0' && c <= '9';
    if (c <= 0x20 || c == 0xFE || c == 0xFF) bits |= kSpace;
    if (c == ':' || c == '_' || letter || high) bits |= kNameStart;
    if (c == '-' || c == '.' || c == '_' || digit || letter || high) bits |= kNameChar;
    if (digit) bits |= kDigit;
    if (digit || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')) bits |= kHexDigit;
    table[static_cast<std::size_t>(c)] = bits;
  }
  return table;
}

inline constexpr std::array<std::uint8_t, 256> kTable = MakeTable();

inline bool Is(unsigned char c, std::uint8_t cls) { return (kTable[c] & cls) != 0; }

inline unsigned HexValue(unsigned char c) {
  if (c <= '9') return c - '0';
  if (c >= 'a') return c - 87u;
  return c - 55u;
}

}  // namespace xmlchar
