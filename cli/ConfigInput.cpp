#include "cli/ConfigInput.h"

#include "cli/InputFile.h"

namespace cadmira::cli {

Result<document::ConfigFile> ReadConfigInput(const std::string& path, std::istream& in) {
  Result<std::vector<unsigned char>> bytes = ReadInputFile(path, in);
  if (!bytes) return bytes.error();
  return document::ReadConfigBytes(std::move(bytes).value(), document::ReadForms::PlainThenSealed);
}

}  // namespace cadmira::cli
