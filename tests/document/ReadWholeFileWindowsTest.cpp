#include "document/ReadWholeFile.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "base/ReplaceFileAtomically.h"
#include "base/WidePathWindows.h"
#include "tests/support/TemporaryFolder.h"

namespace cadmira::document {
namespace {

std::string Text(const Result<std::vector<unsigned char>>& bytes) {
  return bytes ? std::string(bytes.value().begin(), bytes.value().end()) : "error: " + bytes.error().message;
}

class ReadWholeFileWindows : public ::testing::Test {
 protected:
  void SetUp() override { m_folder = Utf8FromWide(MakeTemporaryFolder("cadmira-whole-").wstring()); }
  void TearDown() override { std::filesystem::remove_all(std::filesystem::path(WideFromUtf8(m_folder))); }
  std::string Write(const std::string& name, const std::string& text) const {
    const std::string path = m_folder + "\\" + name;
    EXPECT_TRUE(ReplaceFileAtomically(path, std::vector<unsigned char>(text.begin(), text.end())).ok());
    return path;
  }
  std::string m_folder;
};

TEST_F(ReadWholeFileWindows, ReadsFilesByAnyNameEvenWhileOthersHoldThemOpen) {
  const std::string big(300000, 'x');
  const std::string chinese = Write("\xE9\x85\x8D\xE7\xBD\xAE \xE6\x96\x87\xE4\xBB\xB6.xml", big);
  EXPECT_EQ(Text(ReadWholeFile(chinese)), big);
  // A program that has the file open for writing and shares it for reading.
  const HANDLE writer = CreateFileW(SystemPath(chinese).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(Text(ReadWholeFile(chinese)), big);
  CloseHandle(writer);

  const std::string deep = m_folder + "\\" + std::string(150, 'd');
  ASSERT_TRUE(CreateDirectoryW(SystemPath(deep).c_str(), nullptr));
  const std::string longPath = Write(std::string(150, 'd') + "\\" + std::string(150, 'f') + ".xml", "long");
  EXPECT_EQ(Text(ReadWholeFile(longPath)), "long");
  // The standard library's own removal cannot reach that deep.
  EXPECT_TRUE(DeleteFileW(SystemPath(longPath).c_str()));

  EXPECT_EQ(Text(ReadWholeFile(m_folder)), "error: cannot read " + m_folder + ": Is a directory");
}

TEST_F(ReadWholeFileWindows, ReadsAPipeToItsEnd) {
  const std::wstring name = L"\\\\.\\pipe\\cadmira-read-" + std::to_wstring(GetCurrentProcessId());
  const HANDLE pipe =
      CreateNamedPipeW(name.c_str(), PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 65536, 65536, 0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  const std::string big(200000, 'p');
  std::thread writer([&] {
    ConnectNamedPipe(pipe, nullptr);
    for (int i = 0; i < 3; ++i) {
      DWORD written = 0;
      WriteFile(pipe, big.data(), static_cast<DWORD>(big.size()), &written, nullptr);
    }
    // Waits until the reader has everything; closing then ends its data.
    FlushFileBuffers(pipe);
    CloseHandle(pipe);
  });
  const Result<std::vector<unsigned char>> piped = ReadWholeFile(Utf8FromWide(name));
  writer.join();
  EXPECT_EQ(Text(piped), big + big + big);
}

}  // namespace
}  // namespace cadmira::document
