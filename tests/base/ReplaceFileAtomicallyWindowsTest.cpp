#include "base/ReplaceFileAtomically.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/WidePathWindows.h"
#include "tests/support/TemporaryFolder.h"

namespace cadmira {
namespace {

namespace fs = std::filesystem;

class ReplaceFileAtomicallyWindows : public ::testing::Test {
 protected:
  void SetUp() override { m_folder = MakeTemporaryFolder("cadmira-replace-"); }
  void TearDown() override {
    for (const auto& entry : fs::directory_iterator(m_folder)) {
      SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    std::error_code ignored;
    fs::remove_all(m_folder, ignored);
  }

  // UTF-8 paths, as the program passes them.
  std::string PathOf(const std::string& name) const { return Utf8FromWide(m_folder.wstring()) + "\\" + name; }

  static std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

  static std::string Content(const std::string& path) {
    const HANDLE file = CreateFileW(SystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "(missing)";
    std::string text(1 << 16, '\0');
    DWORD got = 0;
    ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
    CloseHandle(file);
    text.resize(got);
    return text;
  }

  static void WriteFile(const std::string& path, const std::string& text) {
    ASSERT_TRUE(ReplaceFileAtomically(path, Bytes(text)).ok()) << path;
  }

  // Everything in the folder, so that a leftover temporary file shows.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder))
      names.push_back(Utf8FromWide(entry.path().filename().wstring()));
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path m_folder;
};

TEST_F(ReplaceFileAtomicallyWindows, CreatesAndReplacesFilesWhateverTheirNames) {
  const std::string names[] = {
      "new.xml",
      "with spaces.xml",
      "\xE9\x85\x8D\xE7\xBD\xAE\xE6\x96\x87\xE4\xBB\xB6.xml",  // Chinese
      std::string(200, 'n') + ".xml",
  };
  for (const std::string& name : names) {
    ASSERT_TRUE(ReplaceFileAtomically(PathOf(name), Bytes("first")).ok()) << name;
    EXPECT_EQ(Content(PathOf(name)), "first") << name;
    ASSERT_TRUE(ReplaceFileAtomically(PathOf(name), Bytes("a longer second")).ok()) << name;
    EXPECT_EQ(Content(PathOf(name)), "a longer second") << name;
    ASSERT_TRUE(ReplaceFileAtomically(PathOf(name), {}).ok()) << name;
    EXPECT_EQ(Content(PathOf(name)), "") << name;
  }
  EXPECT_EQ(Entries().size(), std::size(names));
}

TEST_F(ReplaceFileAtomicallyWindows, WritesPathsLongerThanTheOldLimit) {
  std::string folder = PathOf(std::string(120, 'a'));
  ASSERT_TRUE(CreateDirectoryW(SystemPath(folder).c_str(), nullptr));
  folder += "\\" + std::string(120, 'b');
  ASSERT_TRUE(CreateDirectoryW(SystemPath(folder).c_str(), nullptr));
  const std::string target = folder + "/" + std::string(60, 'c') + ".xml";
  ASSERT_GT(target.size(), 260u);
  const Result<Replaced> written = ReplaceFileAtomically(target, Bytes("deep"));
  ASSERT_TRUE(written.ok()) << written.error().message;
  EXPECT_EQ(Content(target), "deep");
  // The standard library's own removal cannot reach that deep.
  EXPECT_TRUE(DeleteFileW(SystemPath(target).c_str()));
  EXPECT_TRUE(RemoveDirectoryW(SystemPath(folder).c_str()));
}

TEST_F(ReplaceFileAtomicallyWindows, KeepsTheAttributesOfTheFileItReplaces) {
  WriteFile(PathOf("hidden.xml"), "old");
  ASSERT_TRUE(SetFileAttributesW(SystemPath(PathOf("hidden.xml")).c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("hidden.xml"), Bytes("new")).ok());
  EXPECT_EQ(Content(PathOf("hidden.xml")), "new");
  const DWORD attributes = GetFileAttributesW(SystemPath(PathOf("hidden.xml")).c_str());
  EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(ReplaceFileAtomicallyWindows, RefusesWhatItMustNotReplace) {
  WriteFile(PathOf("readonly.xml"), "keep");
  ASSERT_TRUE(SetFileAttributesW(SystemPath(PathOf("readonly.xml")).c_str(), FILE_ATTRIBUTE_READONLY));
  fs::create_directory(m_folder / "folder.xml");

  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {PathOf("readonly.xml"), "Cannot replace " + PathOf("readonly.xml") + ": the file is read-only"},
      {PathOf("folder.xml"), "Cannot replace " + PathOf("folder.xml") + ": it is a folder"},
      {PathOf("missing\\file.xml"), "cannot write " + PathOf("missing\\file.xml") + ": No such file or directory"},
      {"", "No file name was given"},
  };
  for (const Case& c : cases) {
    const Result<Replaced> status = ReplaceFileAtomically(c.path, Bytes("new"));
    ASSERT_FALSE(status.ok()) << c.path;
    EXPECT_EQ(status.error().message, c.message);
  }
  EXPECT_EQ(Content(PathOf("readonly.xml")), "keep");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.xml", "readonly.xml"}));
}

TEST_F(ReplaceFileAtomicallyWindows, ATargetHeldOpenElsewhereKeepsItsContent) {
  WriteFile(PathOf("open.xml"), "old");
  // Another program reading the file without letting it be deleted, as editors often do.
  const HANDLE held = CreateFileW(SystemPath(PathOf("open.xml")).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const Result<Replaced> status = ReplaceFileAtomically(PathOf("open.xml"), Bytes("new"));
  CloseHandle(held);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().message, "Cannot replace " + PathOf("open.xml") + ": the file is open in another program");
  EXPECT_EQ(Content(PathOf("open.xml")), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"open.xml"});

  ASSERT_TRUE(ReplaceFileAtomically(PathOf("open.xml"), Bytes("new")).ok());
  EXPECT_EQ(Content(PathOf("open.xml")), "new");
}

bool FailingWrite(void*, const void*, unsigned long, unsigned long* written) {
  *written = 0;
  SetLastError(ERROR_DISK_FULL);
  return false;
}

bool FailingFlush(void*) {
  SetLastError(ERROR_WRITE_FAULT);
  return false;
}

// Writes half and then stops, as a device that lost the rest would.
bool ShortWrite(void* file, const void* data, unsigned long size, unsigned long* written) {
  return SystemWriteFile(file, data, size / 2, written) && (*written = size, true);
}

TEST_F(ReplaceFileAtomicallyWindows, AFailedWriteLeavesTheOldFileAndNoTemporary) {
  WriteFile(PathOf("profstore.xml"), "old");
  struct Case {
    ReplaceSystemCalls calls;
    std::string message;
  };
  const Case cases[] = {
      {{&FailingWrite, &SystemFlushFile}, "Cannot write " + PathOf("profstore.xml") + ": No space left on device"},
      {{&SystemWriteFile, &FailingFlush}, "Cannot sync " + PathOf("profstore.xml")},
      {{&ShortWrite, &SystemFlushFile}, "The written file " + PathOf("profstore.xml") + " is shorter"},
  };
  for (const Case& c : cases) {
    const Result<Replaced> status = ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new content"), c.calls);
    ASSERT_FALSE(status.ok()) << c.message;
    EXPECT_EQ(status.error().message.rfind(c.message, 0), 0u) << status.error().message;
    EXPECT_EQ(Content(PathOf("profstore.xml")), "old");
    EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"});
  }
}

void* FolderRefuses(const wchar_t*) {
  SetLastError(ERROR_ACCESS_DENIED);
  return INVALID_HANDLE_VALUE;
}

bool MoveFails(const wchar_t*, const wchar_t*) {
  SetLastError(ERROR_WRITE_FAULT);
  return false;
}

// Each fault, put in for every write at once, fails the write with the system's reason and
// leaves the old file and nothing else.
TEST_F(ReplaceFileAtomicallyWindows, FaultsPutInForEveryWriteFailItWithTheSystemsReason) {
  struct Fault {
    const char* name;
    void (*inject)(ReplaceSystemCalls&);
    std::string message;
  };
  const Fault faults[] = {
      {"disk full", [](ReplaceSystemCalls& calls) { calls.write = &FailingWrite; },
       "Cannot write " + PathOf("profstore.xml") + ": No space left on device"},
      {"final move", [](ReplaceSystemCalls& calls) { calls.rename = &MoveFails; },
       "Cannot replace " + PathOf("profstore.xml") + ": "},
      {"unwritable folder", [](ReplaceSystemCalls& calls) { calls.openFile = &FolderRefuses; },
       "cannot write " + PathOf("profstore.xml") + ": Permission denied"},
  };
  WriteFile(PathOf("profstore.xml"), "old");
  for (const Fault& fault : faults) {
    ReplaceSystemCalls calls;
    fault.inject(calls);
    {
      const ScopedReplaceSystemCalls injected(calls);
      const Result<Replaced> written = ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new"));
      ASSERT_FALSE(written.ok()) << fault.name;
      EXPECT_EQ(written.error().message.rfind(fault.message, 0), 0u) << written.error().message;
    }
    EXPECT_EQ(Content(PathOf("profstore.xml")), "old") << fault.name;
    EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"}) << fault.name;
  }
  // Once the scope has ended the system's calls are back.
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new")).ok());
  EXPECT_EQ(Content(PathOf("profstore.xml")), "new");
}

// The name of the temporary file being written, seen from inside a write.
std::wstring g_temporaryName;

bool RecordingWrite(void* file, const void* data, unsigned long size, unsigned long* written) {
  std::wstring name(32768, L'\0');
  name.resize(GetFinalPathNameByHandleW(file, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED));
  g_temporaryName = name.substr(name.find_last_of(L'\\') + 1);
  return SystemWriteFile(file, data, size, written);
}

TEST_F(ReplaceFileAtomicallyWindows, TheNextWriteSweepsTemporariesNoWriterHolds) {
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("old"), {&RecordingWrite, &SystemFlushFile}).ok());
  ASSERT_FALSE(g_temporaryName.empty());
  // What a writer that was ended outright after closing its file could leave, and one whose
  // writer is still at work.
  const std::wstring stem = g_temporaryName.substr(0, g_temporaryName.size() - 12);
  const std::string abandoned = PathOf(Utf8FromWide(stem + L"0badf00d.tmp"));
  const std::string busy = PathOf(Utf8FromWide(stem + L"0c0ffee0.tmp"));
  WriteFile(abandoned, "stale");
  WriteFile(busy, "busy");
  const HANDLE held =
      CreateFileW(SystemPath(busy).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new")).ok());
  CloseHandle(held);
  EXPECT_EQ(Content(PathOf("profstore.xml")), "new");
  EXPECT_EQ(Content(abandoned), "(missing)");
  EXPECT_EQ(Content(busy), "busy");
}

TEST(SystemPath, GivesTheExtendedFormOfEveryKindOfPath) {
  const std::wstring current = fs::current_path().wstring();
  struct Row {
    std::string path;
    std::wstring expected;
  };
  const Row rows[] = {
      {"C:\\a\\b.xml", L"\\\\?\\C:\\a\\b.xml"},
      {"C:/a/./c/../b.xml", L"\\\\?\\C:\\a\\b.xml"},
      {"\\\\server\\share\\file.xml", L"\\\\?\\UNC\\server\\share\\file.xml"},
      {"//server/share/file.xml", L"\\\\?\\UNC\\server\\share\\file.xml"},
      {"\\\\?\\C:\\kept as\\given", L"\\\\?\\C:\\kept as\\given"},
      {"b.xml", L"\\\\?\\" + current + L"\\b.xml"},
      {"\xE4\xB8\xAD.xml", L"\\\\?\\" + current + L"\\\u4E2D.xml"},
      {"", L""},
  };
  for (const Row& row : rows) EXPECT_EQ(SystemPath(row.path), row.expected) << row.path;
  EXPECT_EQ(Utf8FromWide(WideFromUtf8("a\xE4\xB8\xAD\xF0\x9F\x98\x80")), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace cadmira
