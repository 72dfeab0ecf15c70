#pragma once

#include <string>

#include "cli/CliStreams.h"

namespace cadmira::pages {
class CModelPages;
}

namespace cadmira::cli {

// Validates the pages as Save does, builds the document from them and replaces the file at
// `path` with it, sealed unless `sealed` is false ("-" writes to standard output). Returns the
// exit status, with the window's message or the reason on standard error when nothing was
// written.
int WritePages(const pages::CModelPages& pages, const std::string& path, bool sealed, CliStreams& streams);

}  // namespace cadmira::cli
