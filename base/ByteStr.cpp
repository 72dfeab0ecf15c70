#include "base/ByteStr.h"

#include <algorithm>
#include <cstring>

int CZD_ByteStr::Compare(CZD_ByteStrView other) const {
  const int length = GetLength();
  const int otherLength = other.GetLength();
  const int common = std::min(length, otherLength);
  const int bytes = common > 0 ? std::memcmp(c_str(), other.data(), static_cast<std::size_t>(common)) : 0;
  if (bytes != 0) {
    return bytes < 0 ? -1 : 1;
  }
  if (length == otherLength) {
    return 0;
  }
  return length < otherLength ? -1 : 1;
}
