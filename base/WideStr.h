#pragma once

#include "base/BasicStr.h"

// A reference-counted, copy-on-write string of UTF-16 units.
class CZD_WideStr : public CZD_BasicStr<char16_t, CZD_WideStr> {
 public:
  using CZD_BasicStr::CZD_BasicStr;
  using CZD_BasicStr::operator=;

  // Ignores the case of ASCII letters; the empty string equals an empty or absent text and is
  // less than any other. Returns -1, 0 or 1.
  int CompareNoCase(CZD_WideStrView other) const;
  // An optional '-', then decimal digits up to the first non-digit; no digits give 0.
  int GetInteger() const { return DecimalValue(View()); }
  static int DecimalValue(CZD_WideStrView text);
};

extern template class CZD_BasicStr<char16_t, CZD_WideStr>;
