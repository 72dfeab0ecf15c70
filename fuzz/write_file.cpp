// Writes arbitrary bytes as a configuration file, plain or sealed, over the file that the last
// input left, and reads it back: the bytes must come back as they were, a read limit below
// their size must refuse them, and nothing but the file may be left in its folder.
#include "document/ReadConfigFile.h"
#include "document/ReadWholeFile.h"
#include "document/Seal.h"
#include "document/SealedWrite.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

using namespace cadmira::document;

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "write file: %s\n", what);
  __builtin_trap();
}

// Never destroyed, so that the folder can still be removed at exit.
const std::filesystem::path& Folder() {
  static const std::filesystem::path* const folder = [] {
    std::string name = (std::filesystem::temp_directory_path() / "cadmira-fuzz-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) Fail("no temporary folder");
    return new std::filesystem::path(name);
  }();
  static const bool removedAtExit = std::atexit([] {
                                      std::error_code ignored;
                                      std::filesystem::remove_all(*folder, ignored);
                                    }) == 0;
  (void)removedAtExit;
  return *folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const FileForm form = data[0] % 2 == 0 ? FileForm::Plain : FileForm::Sealed;
  const std::vector<unsigned char> plain(data + 1, data + size);
  const std::string path = (Folder() / "profstore.xml").string();

  if (!WriteConfigFile(path, plain, form)) Fail("the write failed");
  cadmira::Result<std::vector<unsigned char>> read = ReadWholeFile(path);
  if (!read) Fail("the written file cannot be read");
  std::vector<unsigned char> bytes = std::move(read).value();
  if (form == FileForm::Sealed) SealBuffer(bytes.data(), bytes.size());
  if (bytes != plain) Fail("the file does not hold the bytes written");
  if (!plain.empty() && ReadWholeFile(path, plain.size() - 1)) Fail("a read over its limit was not refused");

  const auto file = ReadConfigFile(path, ReadForms::PlainThenSealed);
  if (!file) Fail("the written file cannot be loaded");
  std::size_t entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(Folder())) entries += entry.exists() ? 1 : 0;
  if (entries != 1) Fail("the write left more than its file");
  return 0;
}
