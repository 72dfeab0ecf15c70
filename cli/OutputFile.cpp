#include "cli/OutputFile.h"

#include "base/ReplaceFileAtomically.h"

#include <ostream>

namespace cadmira::cli {

Status WriteOutputFile(const std::string& path, std::span<const unsigned char> bytes, std::ostream& out) {
  if (path != "-") {
    return ReplaceFileAtomically(path, bytes);
  }
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) {
    return Error{"Cannot write the standard output"};
  }
  return Status();
}

}  // namespace cadmira::cli
