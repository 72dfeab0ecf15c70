#pragma once

#include <iosfwd>
#include <string>

#include "base/Result.h"
#include "document/ReadConfigFile.h"

namespace cadmira::cli {

// Reads a configuration file (standard input for "-") as Import does: plain, then sealed. A file
// that cannot be read, or memory running out, is an error; a file that does not parse gives a
// file without a tree.
Result<document::ConfigFile> ReadConfigInput(const std::string& path, std::istream& in);

}  // namespace cadmira::cli
