#include "base/ReplaceFileAtomically.h"
#include "tests/support/PosixWriteFaults.h"
#include "tests/support/TempFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace cadmira {
namespace {

namespace fs = std::filesystem;

class ReplaceFileAtomically_ : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

  static std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

  static std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  // Everything in the folder, so that a leftover temporary file shows.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder m_temp;
  const fs::path m_folder = m_temp.Folder();
};

TEST_F(ReplaceFileAtomically_, CreatesANewFileWithTheUmaskApplied) {
  const mode_t old = umask(022);
  const Result<Replaced> status = ReplaceFileAtomically(PathOf("new.xml"), Bytes("<a/>"));
  umask(old);
  ASSERT_TRUE(status.ok()) << status.error().message;
  EXPECT_EQ(Content(PathOf("new.xml")), "<a/>");
  struct stat info {};
  ASSERT_EQ(stat(PathOf("new.xml").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"new.xml"});
}

TEST_F(ReplaceFileAtomically_, ReplacesContentAndKeepsTheMode) {
  WriteFile(PathOf("old.xml"), "a much longer old content");
  ASSERT_EQ(chmod(PathOf("old.xml").c_str(), 0640), 0);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("old.xml"), Bytes("new")).ok());
  EXPECT_EQ(Content(PathOf("old.xml")), "new");
  struct stat info {};
  ASSERT_EQ(stat(PathOf("old.xml").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);

  ASSERT_TRUE(ReplaceFileAtomically(PathOf("old.xml"), {}).ok());
  EXPECT_EQ(Content(PathOf("old.xml")), "");
}

TEST_F(ReplaceFileAtomically_, KeepsSetIdBitsAndTheOwner) {
  WriteFile(PathOf("tool.xml"), "old");
  // Another user's file, when the test may give it one: writing it clears set-id bits then.
  if (geteuid() == 0) {
    ASSERT_EQ(chown(PathOf("tool.xml").c_str(), 1234, 2345), 0);
  }
  ASSERT_EQ(chmod(PathOf("tool.xml").c_str(), 06754), 0);
  struct stat before {};
  ASSERT_EQ(stat(PathOf("tool.xml").c_str(), &before), 0);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("tool.xml"), Bytes("new")).ok());
  struct stat after {};
  ASSERT_EQ(stat(PathOf("tool.xml").c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 06754u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST_F(ReplaceFileAtomically_, WritesTargetsWithNamesUpToTheFileSystemLimit) {
  for (const std::size_t length : {240u, 255u}) {
    const std::string name(length, 'n');
    const Result<Replaced> written = ReplaceFileAtomically(PathOf(name), Bytes("long"));
    ASSERT_TRUE(written.ok()) << length << ": " << written.error().message;
    EXPECT_EQ(Content(PathOf(name)), "long");
    ASSERT_TRUE(ReplaceFileAtomically(PathOf(name), Bytes("again")).ok());
    EXPECT_EQ(Content(PathOf(name)), "again");
    fs::remove(PathOf(name));
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{});
}

int FailingSync(int) {
  errno = EIO;
  return -1;
}

TEST_F(ReplaceFileAtomically_, AFolderThatCannotBeSyncedStillCountsAsWritten) {
  WriteFile(PathOf("profstore.xml"), "old");
  ReplaceSystemCalls calls;
  calls.syncFolder = &FailingSync;
  const Result<Replaced> written = ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new"), calls);
  ASSERT_TRUE(written.ok()) << written.error().message;
  EXPECT_EQ(written.value().warning,
            "the file was replaced, but its folder " + m_folder.string() + " could not be synced: Input/output error");
  EXPECT_EQ(Content(PathOf("profstore.xml")), "new");
  EXPECT_TRUE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new")).value().warning.empty());

  // A failed sync of the file itself comes before the rename: that is a failure.
  calls = ReplaceSystemCalls{};
  calls.syncFile = &FailingSync;
  EXPECT_FALSE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("newer"), calls).ok());
  EXPECT_EQ(Content(PathOf("profstore.xml")), "new");
  EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"});
}

// Each fault, put in for every write at once, fails the write with the system's number and
// leaves the old file and nothing else.
TEST_F(ReplaceFileAtomically_, FaultsPutInForEveryWriteFailItWithTheSystemsReason) {
  struct Fault {
    const char* name;
    void (*inject)(ReplaceSystemCalls&);
    int code;
    std::string message;
  };
  const Fault faults[] = {
      {"disk full", [](ReplaceSystemCalls& calls) { calls.write = &write_faults::DiskFull; }, ENOSPC,
       "Cannot write " + PathOf("profstore.xml") + ": No space left on device"},
      {"final rename", [](ReplaceSystemCalls& calls) { calls.rename = &write_faults::RenameFails; }, EIO,
       "Cannot replace " + PathOf("profstore.xml") + ": Input/output error"},
      {"unwritable folder", [](ReplaceSystemCalls& calls) { calls.openFile = &write_faults::FolderRefuses; }, EACCES,
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
      EXPECT_EQ(written.error().code, fault.code) << fault.name;
      EXPECT_EQ(written.error().message, fault.message) << fault.name;
    }
    EXPECT_EQ(Content(PathOf("profstore.xml")), "old") << fault.name;
    EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"}) << fault.name;
  }
  // Once the scope is gone the system's calls are back.
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("profstore.xml"), Bytes("new")).ok());
  EXPECT_EQ(Content(PathOf("profstore.xml")), "new");
}

TEST_F(ReplaceFileAtomically_, FollowsSymbolicLinksToTheirTarget) {
  fs::create_directory(m_folder / "real");
  WriteFile(PathOf("real/target.xml"), "old");
  fs::create_symlink("real/target.xml", m_folder / "hop");
  fs::create_symlink(m_folder / "hop", m_folder / "link.xml");
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("link.xml"), Bytes("new")).ok());
  EXPECT_TRUE(fs::is_symlink(m_folder / "link.xml"));
  EXPECT_TRUE(fs::is_symlink(m_folder / "hop"));
  EXPECT_EQ(Content(PathOf("real/target.xml")), "new");

  // A dangling link names the file to create.
  fs::create_symlink("created.xml", m_folder / "dangling");
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("dangling"), Bytes("made")).ok());
  EXPECT_EQ(Content(PathOf("created.xml")), "made");

  fs::create_symlink("loop2", m_folder / "loop1");
  fs::create_symlink("loop1", m_folder / "loop2");
  EXPECT_FALSE(ReplaceFileAtomically(PathOf("loop1"), Bytes("x")).ok());
}

TEST_F(ReplaceFileAtomically_, RefusesWhatItMustNotReplace) {
  WriteFile(PathOf("readonly.xml"), "keep");
  ASSERT_EQ(chmod(PathOf("readonly.xml").c_str(), 0444), 0);
  fs::create_directory(m_folder / "folder.xml");

  struct Case {
    std::string path;
    std::string messagePart;
  };
  const Case cases[] = {
      {PathOf("readonly.xml"), "read-only"},
      {PathOf("folder.xml"), "folder"},
      {PathOf("missing/file.xml"), "No such file"},
      {"", "No file name"},
  };
  for (const Case& c : cases) {
    const Result<Replaced> status = ReplaceFileAtomically(c.path, Bytes("new"));
    ASSERT_FALSE(status.ok()) << c.path;
    EXPECT_NE(status.error().message.find(c.messagePart), std::string::npos) << status.error().message;
    EXPECT_EQ(status.error().message.find('\n'), std::string::npos);
  }
  EXPECT_EQ(Content(PathOf("readonly.xml")), "keep");
  EXPECT_TRUE(fs::is_directory(m_folder / "folder.xml"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"folder.xml", "readonly.xml"}));
}

// The temporary file is the program's business: a failure names the file the person gave.
TEST_F(ReplaceFileAtomically_, AFileThatCannotBeCreatedIsNamedAsGiven) {
  const std::string missing = PathOf("missing/file.xml");
  const Result<Replaced> status = ReplaceFileAtomically(missing, Bytes("new"));
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().message, "cannot write " + missing + ": No such file or directory");
}

// Runs `body` in a child process and returns its wait status.
template <class Body>
int RunInChild(Body body) {
  const pid_t child = fork();
  if (child == 0) _exit(body());
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

TEST_F(ReplaceFileAtomically_, AFullDiskLeavesTheOldFileAndNoTemporary) {
  const std::string target = PathOf("profstore.xml");
  WriteFile(target, "old content");
  const std::vector<unsigned char> big(256 * 1024, 'x');
  // The child leaves SIGXFSZ at its default action, which would end it without a word.
  const int status = RunInChild([&] {
    const rlimit limit{64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    const Result<Replaced> written = ReplaceFileAtomically(target, big);
    return written.ok() ? 0 : (written.error().message.find("large") != std::string::npos ? 3 : 4);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 3) << "the write must fail with the file-size error";
  EXPECT_EQ(Content(target), "old content");
  EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"});
}

ssize_t TerminatedWhileWriting(int, const void*, size_t) {
  raise(SIGTERM);
  errno = EIO;
  return -1;
}

ssize_t KilledWhileWriting(int, const void*, size_t) {
  raise(SIGKILL);
  return -1;
}

TEST_F(ReplaceFileAtomically_, ATerminatedWriterRemovesItsTemporary) {
  const std::string target = PathOf("profstore.xml");
  WriteFile(target, "old");
  const int status = RunInChild([&] {
    ReplaceSystemCalls calls;
    calls.write = &TerminatedWhileWriting;
    (void)ReplaceFileAtomically(target, Bytes("new"), calls);
    return 0;
  });
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGTERM);
  EXPECT_EQ(Content(target), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"});
}

TEST_F(ReplaceFileAtomically_, TheNextWriteSweepsTemporariesOfKilledWriters) {
  const std::string target = PathOf("profstore.xml");
  WriteFile(target, "old");
  WriteFile(PathOf("other.xml"), "other");
  const int status = RunInChild([&] {
    ReplaceSystemCalls calls;
    calls.write = &KilledWhileWriting;
    (void)ReplaceFileAtomically(target, Bytes("new"), calls);
    return 0;
  });
  ASSERT_TRUE(WIFSIGNALED(status));
  ASSERT_EQ(Entries().size(), 3u) << "a killed writer cannot clean up";
  const std::string leftover = PathOf(Entries()[0]);

  // While a writer holds it, the temporary is not touched.
  const int held = open(leftover.c_str(), O_RDONLY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  ASSERT_TRUE(ReplaceFileAtomically(PathOf("other.xml"), Bytes("x")).ok());
  ASSERT_TRUE(ReplaceFileAtomically(target, Bytes("newer")).ok());
  EXPECT_TRUE(fs::exists(leftover));
  close(held);

  ASSERT_TRUE(ReplaceFileAtomically(target, Bytes("newest")).ok());
  EXPECT_EQ(Content(target), "newest");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"other.xml", "profstore.xml"}));
}

TEST_F(ReplaceFileAtomically_, AKilledWriterNeverLeavesADamagedTarget) {
  const std::string target = PathOf("profstore.xml");
  const std::string oldText(300 * 1024, 'o');
  const std::vector<unsigned char> newBytes(300 * 1024, 'n');
  const std::string newText(newBytes.begin(), newBytes.end());
  std::mt19937 random(12345);
  int sawOld = 0;
  int sawNew = 0;
  for (int round = 0; round < 60; ++round) {
    WriteFile(target, oldText);
    const pid_t child = fork();
    if (child == 0) {
      for (;;) {
        if (!ReplaceFileAtomically(target, newBytes).ok()) _exit(1);
      }
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string content = Content(target);
    ASSERT_TRUE(content == oldText || content == newText) << "round " << round << ": " << content.size() << " bytes";
    (content == oldText ? sawOld : sawNew)++;
  }
  EXPECT_GT(sawOld + sawNew, 0);
  // What the killed writers left, the next write removes.
  ASSERT_TRUE(ReplaceFileAtomically(target, newBytes).ok());
  EXPECT_EQ(Entries(), std::vector<std::string>{"profstore.xml"});
}

}  // namespace
}  // namespace cadmira
