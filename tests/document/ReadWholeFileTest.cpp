#include "document/ReadWholeFile.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace cadmira::document {
namespace {

namespace fs = std::filesystem;

class ReadWholeFile_ : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }
  TempFolder m_temp;
  const fs::path m_folder = m_temp.Folder();
};

std::string Text(const Result<std::vector<unsigned char>>& bytes) {
  return bytes ? std::string(bytes.value().begin(), bytes.value().end()) : "error: " + bytes.error().message;
}

TEST_F(ReadWholeFile_, ReadsFilesAndStreamsToTheirEnd) {
  const std::string big(300000, 'x');
  std::ofstream(PathOf("a.xml"), std::ios::binary) << big;
  EXPECT_EQ(Text(ReadWholeFile(PathOf("a.xml"))), big);
  EXPECT_EQ(Text(ReadWholeFile(kNullDevice)), "");

  std::istringstream in(big);
  EXPECT_EQ(Text(ReadWholeStream(in, "the standard input")), big);
}

#ifndef _WIN32  // FIFOs and /dev exist on POSIX systems only.
TEST_F(ReadWholeFile_, RegularOnlyRefusesEverythingElseAtOnce) {
  std::ofstream(PathOf("a.xml"), std::ios::binary) << "<a/>";
  ASSERT_EQ(mkfifo(PathOf("fifo").c_str(), 0600), 0);
  fs::create_symlink(PathOf("a.xml"), PathOf("link"));
  EXPECT_EQ(Text(ReadWholeFile(PathOf("a.xml"), kLargestReadable, FileKinds::RegularOnly)), "<a/>");
  EXPECT_EQ(Text(ReadWholeFile(PathOf("link"), kLargestReadable, FileKinds::RegularOnly)), "<a/>");
  EXPECT_EQ(Text(ReadWholeFile(PathOf("fifo"), kLargestReadable, FileKinds::RegularOnly)),
            "error: cannot read " + PathOf("fifo") + ": it is not a regular file");
  EXPECT_EQ(Text(ReadWholeFile("/dev/zero", kLargestReadable, FileKinds::RegularOnly)),
            "error: cannot read /dev/zero: it is not a regular file");
  EXPECT_EQ(Text(ReadWholeFile(m_folder.string(), kLargestReadable, FileKinds::RegularOnly)),
            "error: cannot read " + m_folder.string() + ": Is a directory");
  // A regular file whose size is over the limit is refused before anything is read.
  std::ofstream(PathOf("big.xml"), std::ios::binary) << std::string(101, 'b');
  EXPECT_EQ(Text(ReadWholeFile(PathOf("big.xml"), 100, FileKinds::RegularOnly)),
            "error: cannot read " + PathOf("big.xml") + ": it is larger than 100 bytes, the most a file may hold");
}
#endif

TEST_F(ReadWholeFile_, RefusesMoreThanTheLimitAndSaysWhy) {
  std::ofstream(PathOf("b.xml"), std::ios::binary) << std::string(101, 'b');
  EXPECT_EQ(Text(ReadWholeFile(PathOf("b.xml"), 101)).size(), 101u);
  EXPECT_EQ(Text(ReadWholeFile(PathOf("b.xml"), 100)),
            "error: cannot read " + PathOf("b.xml") + ": it is larger than 100 bytes, the most a file may hold");
  std::istringstream in(std::string(5000, 'c'));
  EXPECT_EQ(Text(ReadWholeStream(in, "the standard input", 4999)),
            "error: cannot read the standard input: it is larger than 4999 bytes, the most a file may hold");
  EXPECT_EQ(Text(ReadWholeFile(PathOf("missing"))),
            "error: cannot read " + PathOf("missing") + ": No such file or directory");
}

}  // namespace
}  // namespace cadmira::document
