#pragma once

#include "base/ByteStr.h"
#include "base/WideStr.h"

// Conversions between bytes in one code page and UTF-16. Code page 0 is UTF-8 here, whatever the
// locale.
class CZD_CodePageMap {
 public:
  // The map of 0, 932, 936, 949 or 950; null for any other code page.
  static const CZD_CodePageMap* Get(int codePage);

  int CodePage() const { return m_nCodePage; }
  // Whole-string conversions; bytes or units that do not convert become U+FFFD or '?'.
  CZD_WideStr ToWide(CZD_ByteStrView bytes) const;
  CZD_ByteStr ToBytes(CZD_WideStrView text) const;

 private:
  CZD_CodePageMap(int codePage, const char* charset) : m_nCodePage(codePage), m_charset(charset) {}

  int m_nCodePage;
  // The code page's name for iconv, where iconv does the conversion.
  const char* m_charset;
};
