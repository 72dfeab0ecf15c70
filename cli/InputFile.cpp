#include "cli/InputFile.h"

#include "document/ReadWholeFile.h"

namespace cadmira::cli {

Result<std::vector<unsigned char>> ReadInputFile(const std::string& path, std::istream& in) {
  if (path == "-") return document::ReadWholeStream(in, "the standard input");
  return document::ReadWholeFile(path);
}

}  // namespace cadmira::cli
