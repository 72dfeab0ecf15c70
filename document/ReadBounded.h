#pragma once

#include <algorithm>
#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/Result.h"

namespace cadmira::document {

inline Error CannotRead(const std::string& name, const std::string& reason) {
  return Error{"cannot read " + name + ": " + reason};
}

inline Error TooLarge(const std::string& name, std::uint64_t limit) {
  return CannotRead(name, "it is larger than " + std::to_string(limit) + " bytes, the most a file may hold");
}

// Appends chunks from `readSome(into, room, reason)` (which returns the bytes it got, 0 at the
// end, -1 with `reason` set on failure) until the end, refusing more than `limit` bytes. The
// buffer grows by at most what the limit allows, so a stream that never ends costs no more than
// the limit.
template <class ReadSome>
Result<std::vector<unsigned char>> ReadBounded(const std::string& name, std::uint64_t limit, std::uint64_t sizeHint,
                                               ReadSome readSome) {
  constexpr std::size_t kChunk = 1 << 16;
  std::vector<unsigned char> bytes;
  try {
    // One byte more than a known size, so that the end is seen without growing again.
    if (sizeHint > 0) bytes.resize(static_cast<std::size_t>(std::min(sizeHint, limit) + 1));
    std::size_t done = 0;
    for (;;) {
      if (done == bytes.size()) {
        const std::uint64_t wanted = std::max<std::uint64_t>(bytes.size() * 2, kChunk);
        bytes.resize(static_cast<std::size_t>(std::min(wanted, limit + 1)));
      }
      std::string reason;
      const long got = readSome(bytes.data() + done, bytes.size() - done, reason);
      if (got < 0) return CannotRead(name, reason);
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
      if (done > limit) return TooLarge(name, limit);
    }
    bytes.resize(done);
  } catch (const std::bad_alloc&) {
    return CannotRead(name, "out of memory");
  } catch (const std::length_error&) {
    return CannotRead(name, "out of memory");
  }
  return bytes;
}

}  // namespace cadmira::document
