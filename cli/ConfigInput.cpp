#include "cli/ConfigInput.h"

#include "cli/InputFile.h"
#include "cli/OutOfMemoryWatch.h"

namespace cadmira::cli {

Result<document::ConfigFile> ReadConfigInput(const std::string& path, std::istream& in) {
  Result<std::vector<unsigned char>> bytes = ReadInputFile(path, in);
  if (!bytes) return bytes.error();
  const COutOfMemoryWatch memory;
  document::ConfigFile file = document::ReadConfigBytes(std::move(bytes).value(), document::ReadForms::PlainThenSealed);
  // The reader gives no tree when memory runs out, which is not a file in the wrong format.
  if (!file.Root() && memory.Happened()) return Error{kOutOfMemory};
  return file;
}

}  // namespace cadmira::cli
