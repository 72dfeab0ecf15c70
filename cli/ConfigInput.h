#pragma once

#include <string>

#include "base/Result.h"
#include "document/ReadConfigFile.h"

namespace cadmira::cli {

// Reads a configuration file as Import does (plain, then sealed). A file that cannot be opened
// or is a folder is an error ("cannot read PATH: REASON"); one that does not parse gives a
// file without a tree.
Result<document::ConfigFile> ReadConfigInput(const std::string& path);

}  // namespace cadmira::cli
