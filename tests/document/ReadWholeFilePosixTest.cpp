#include "document/ReadWholeFile.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/support/TemporaryFolder.h"

namespace cadmira::document {
namespace {

std::string Text(const Result<std::vector<unsigned char>>& bytes) {
  return bytes ? std::string(bytes.value().begin(), bytes.value().end()) : "error: " + bytes.error().message;
}

TEST(ReadWholeFilePosix, ReadsAFifoToItsEnd) {
  const std::filesystem::path folder = MakeTemporaryFolder("cadmira-whole-");
  const std::string fifoPath = (folder / "fifo").string();
  const std::string big(300000, 'x');
  // A FIFO has no size: everything its writer sends is read, in however many pieces.
  ASSERT_EQ(mkfifo(fifoPath.c_str(), 0600), 0);
  std::thread writer([&] {
    std::ofstream fifo(fifoPath, std::ios::binary);
    for (int i = 0; i < 3; ++i) fifo << big << std::flush;
  });
  const Result<std::vector<unsigned char>> piped = ReadWholeFile(fifoPath);
  writer.join();
  EXPECT_EQ(Text(piped), big + big + big);
  std::filesystem::remove_all(folder);
}

TEST(ReadWholeFilePosix, CutsADeviceThatNeverEndsOffAtTheLimit) {
  EXPECT_EQ(Text(ReadWholeFile("/dev/zero", 70000)),
            "error: cannot read /dev/zero: it is larger than 70000 bytes, the most a file may hold");
}

}  // namespace
}  // namespace cadmira::document
