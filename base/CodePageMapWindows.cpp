#include "base/CodePageMap.h"

#include <windows.h>

#include <string>

// The results match the iconv form byte for byte: a byte that starts no valid character becomes
// one U+FFFD, a UTF-16 unit that has no form in the code page one '?', and nothing is mapped to a
// merely similar character. Whole texts are converted in one call; only a text that has a fault
// is taken apart character by character.
namespace {

constexpr wchar_t kReplacement = 0xFFFD;

UINT SystemCodePage(int codePage) { return codePage == 0 ? CP_UTF8 : static_cast<UINT>(codePage); }

// How many bytes the character that starts at `lead` may take.
int CharacterLength(UINT codePage, unsigned char lead) {
  if (codePage != CP_UTF8) return IsDBCSLeadByteEx(codePage, lead) ? 2 : 1;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// The UTF-16 form of the bytes, or nothing when any of them do not convert.
bool DecodeStrictly(UINT codePage, const char* bytes, int size, std::wstring& out) {
  const int units = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, size, nullptr, 0);
  if (units <= 0) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(units));
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, size, out.data() + start, units);
  return true;
}

// The bytes of the units, or nothing when any of them has no form in the code page.
bool EncodeStrictly(UINT codePage, const wchar_t* units, int count, std::string& out) {
  const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* defaultFlag = codePage == CP_UTF8 ? nullptr : &usedDefault;
  const int size = WideCharToMultiByte(codePage, flags, units, count, nullptr, 0, nullptr, defaultFlag);
  if (size <= 0 || usedDefault) return false;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(size));
  WideCharToMultiByte(codePage, flags, units, count, out.data() + start, size, nullptr, nullptr);
  return true;
}

}  // namespace

CZD_WideStr CZD_CodePageMap::ToWide(CZD_ByteStrView bytes) const {
  const UINT codePage = SystemCodePage(m_nCodePage);
  const char* data = bytes.data();
  const int size = bytes.GetLength();
  std::wstring units;
  if (size > 0 && !DecodeStrictly(codePage, data, size, units)) {
    units.clear();
    for (int at = 0; at < size;) {
      const int length = CharacterLength(codePage, static_cast<unsigned char>(data[at]));
      if (at + length <= size && DecodeStrictly(codePage, data + at, length, units)) {
        at += length;
      } else {
        units.push_back(kReplacement);
        ++at;
      }
    }
  }
  return CZD_WideStr(reinterpret_cast<const char16_t*>(units.data()), static_cast<int>(units.size()));
}

CZD_ByteStr CZD_CodePageMap::ToBytes(CZD_WideStrView text) const {
  const UINT codePage = SystemCodePage(m_nCodePage);
  const auto* units = reinterpret_cast<const wchar_t*>(text.data());
  const int count = text.GetLength();
  std::string bytes;
  if (count > 0 && !EncodeStrictly(codePage, units, count, bytes)) {
    bytes.clear();
    for (int at = 0; at < count;) {
      const bool pair = IS_HIGH_SURROGATE(units[at]) && at + 1 < count && IS_LOW_SURROGATE(units[at + 1]);
      const int length = pair ? 2 : 1;
      if (EncodeStrictly(codePage, units + at, length, bytes)) {
        at += length;
      } else {
        bytes.push_back('?');
        ++at;
      }
    }
  }
  return CZD_ByteStr(bytes.data(), static_cast<int>(bytes.size()));
}
