#pragma once

#include "base/Result.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cadmira::cli {

// The whole content of `path`, or of `in` when `path` is "-", read as every load reads a file:
// any readable stream to its end, at most what the element-tree reader takes. The error reads
// "cannot read PATH: REASON".
Result<std::vector<unsigned char>> ReadInputFile(const std::string& path, std::istream& in);

}  // namespace cadmira::cli
