#pragma once

#include "base/Result.h"

#include <iosfwd>
#include <span>
#include <string>

namespace cadmira::cli {

// Writes `bytes` to `out` when `path` is "-", else replaces the file at `path` atomically.
Status WriteOutputFile(const std::string& path, std::span<const unsigned char> bytes, std::ostream& out);

}  // namespace cadmira::cli
