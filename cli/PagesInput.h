#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "document/ReadConfigFile.h"
#include "cli/CliPages.h"

namespace cadmira::cli {

// A configuration file loaded into fresh pages of its product as Import loads it, or why not.
struct PagesInput {
  std::unique_ptr<CCliPages> pages;  // null when the file was refused
  document::ConfigFile file;
  int exitCode = 0;
  std::string message;  // "PATH: why", when refused
};

// Reads the file (standard input for "-") plain, then sealed; refuses one that cannot be read (exit 2), does not parse,
// has a root of neither product or, when `product` is given, of the other one (exit 1).
PagesInput LoadPagesInput(const std::string& path, std::optional<int> product, std::istream& in);

}  // namespace cadmira::cli
