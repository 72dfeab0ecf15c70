#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/Result.h"

namespace cadmira::document {

// The element-tree reader takes at most 4 GiB - 1 bytes, so nothing reads more.
inline constexpr std::uint64_t kLargestReadable = 0xFFFFFFFFull;

// The whole content of the file at `path`: a regular file, or any readable stream (a pipe, a
// FIFO, a device) read to its end. Errors read "cannot read PATH: REASON"; content beyond
// `limit` bytes is refused rather than read, and running out of memory is an error too.
Result<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::uint64_t limit = kLargestReadable);

// The same for an open stream (standard input), called `name` in messages.
Result<std::vector<unsigned char>> ReadWholeStream(std::istream& in, const std::string& name,
                                                   std::uint64_t limit = kLargestReadable);

}  // namespace cadmira::document
