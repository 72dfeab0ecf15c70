#pragma once

#include "base/Result.h"
#include "document/FileForm.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cadmira::cli {

// Writes a configuration file from its plain bytes in `form`: to `out` when `path` is "-", else
// through the editor's own atomic write. A warning of a write that took place goes to `err` as
// one line; only a failed write is an error.
Status WriteOutputFile(const std::string& path, std::vector<unsigned char> plain, document::FileForm form,
                       std::ostream& out, std::ostream& err);

}  // namespace cadmira::cli
