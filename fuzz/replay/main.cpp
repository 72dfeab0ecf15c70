// Runs a fuzz target once over every file of the folders it is given, so that each input that
// once found a fault stays a test of the normal build: replay FOLDER...
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
      if (!entry.is_regular_file()) continue;
      const std::vector<std::uint8_t> bytes = FileBytes(entry.path());
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++replayed;
    }
    if (error) {
      std::fprintf(stderr, "replay: cannot read %s: %s\n", argv[i], error.message().c_str());
      return 2;
    }
  }
  if (replayed == 0) {
    std::fprintf(stderr, "replay: no inputs\n");
    return 2;
  }
  std::printf("replayed %d inputs\n", replayed);
  return 0;
}
