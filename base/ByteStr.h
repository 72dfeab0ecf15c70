#pragma once

#include "base/BasicStr.h"

// A reference-counted, copy-on-write byte string.
class CZD_ByteStr : public CZD_BasicStr<char, CZD_ByteStr> {
 public:
  using CZD_BasicStr::CZD_BasicStr;
  using CZD_BasicStr::operator=;

  // Unsigned bytes over the common length, then the shorter is less: -1, 0 or 1.
  int Compare(CZD_ByteStrView other) const;
};

extern template class CZD_BasicStr<char, CZD_ByteStr>;
