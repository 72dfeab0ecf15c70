#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "base/Result.h"

namespace cadmira::document {

// The element-tree reader takes at most 4 GiB - 1 bytes, so nothing reads more.
inline constexpr std::uint64_t kLargestReadable = 0xFFFFFFFFull;

// What a read takes: any readable stream (a pipe, a FIFO, a device), or regular files only, for
// a window that must not wait for a writer or read a device that never ends.
enum class FileKinds { AnyStream, RegularOnly };

// The whole content of the file at `path`: a regular file, or with AnyStream any readable stream
// read to its end. Errors read "cannot read PATH: REASON"; content beyond `limit` bytes is
// refused rather than read (a regular file's from its size), and running out of memory is an
// error too.
Result<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::uint64_t limit = kLargestReadable,
                                                 FileKinds kinds = FileKinds::AnyStream);

// The same for an open stream (standard input), called `name` in messages.
Result<std::vector<unsigned char>> ReadWholeStream(std::istream& in, const std::string& name,
                                                   std::uint64_t limit = kLargestReadable);

}  // namespace cadmira::document
