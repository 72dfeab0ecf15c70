#include "framework/CrashHandler.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cadmira::framework {
namespace {

std::string Name(const char* folder, const CrashTime& time, int number) {
  char buffer[512];
  const std::size_t length = FormatCrashDumpName(buffer, sizeof buffer, folder, time, number);
  return std::string(buffer, length);
}

TEST(CrashDumpNameTest, FieldsArePaddedAndTheMillisecondMayTakeThreeDigits) {
  EXPECT_EQ(Name("/opt/cadmira/", {2026, 3, 5, 7, 8, 9, 45}, 83),
            "/opt/cadmira/ERLOG_2026030507080945"
            "83.dmp");
  EXPECT_EQ(Name("/opt/cadmira/", {2026, 3, 5, 7, 8, 9, 345}, 83),
            "/opt/cadmira/ERLOG_20260305070809345"
            "83.dmp");
  EXPECT_EQ(Name("", {2026, 12, 31, 23, 59, 59, 0}, 7),
            "ERLOG_2026123123595900"
            "07.dmp");
  EXPECT_EQ(Name("d/", {999, 1, 1, 0, 0, 0, 5}, 0),
            "d/ERLOG_09990101000000"
            "0500.dmp");
}

TEST(CrashDumpNameTest, ANameThatDoesNotFitIsRefused) {
  char buffer[16];
  EXPECT_EQ(FormatCrashDumpName(buffer, sizeof buffer, "/folder/", {2026, 3, 5, 7, 8, 9, 45}, 1), 0u);
  EXPECT_EQ(FormatCrashDumpName(buffer, 0, "", {2026, 3, 5, 7, 8, 9, 45}, 1), 0u);
}

TEST(CrashTimeTest, EpochSecondsBecomeLocalCalendarTime) {
  struct Case {
    long long seconds;
    long offset;
    CrashTime expected;
  };
  const Case cases[] = {
      {0, 0, {1970, 1, 1, 0, 0, 0, 12}},
      {1772694489, 0, {2026, 3, 5, 7, 8, 9, 12}},
      {1772694489, 8 * 3600, {2026, 3, 5, 15, 8, 9, 12}},
      {1772694489, -8 * 3600, {2026, 3, 4, 23, 8, 9, 12}},
      {951782400, 0, {2000, 2, 29, 0, 0, 0, 12}},
      {-1, 0, {1969, 12, 31, 23, 59, 59, 12}},
  };
  for (const Case& c : cases) {
    const CrashTime t = CrashTimeFromEpoch(c.seconds, 12, c.offset);
    const CrashTime& e = c.expected;
    EXPECT_EQ(std::make_tuple(t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond),
              std::make_tuple(e.year, e.month, e.day, e.hour, e.minute, e.second, e.millisecond))
        << c.seconds << " " << c.offset;
  }
}

TEST(CrashReportFolderTest, IsCadmiraInTheUsersStateFolder) {
  struct Case {
    const char* stateHome;
    const char* home;
    std::string expected;
  };
  const Case cases[] = {
      {"/home/ann/state", "/home/ann", "/home/ann/state/Cadmira/"},
      {"/home/ann/state/", "/home/ann", "/home/ann/state/Cadmira/"},
      {nullptr, "/home/ann", "/home/ann/.local/state/Cadmira/"},
      {"", "/home/ann", "/home/ann/.local/state/Cadmira/"},
      // A relative state folder is not one, by the base directory rules.
      {"state", "/home/ann", "/home/ann/.local/state/Cadmira/"},
      {"/", "/home/ann", "/Cadmira/"},
      {nullptr, nullptr, ""},
      {nullptr, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CrashReportFolder(c.stateHome, c.home), c.expected)
        << (c.stateHome ? c.stateHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
  }
}

QStringList DumpFiles(const QString& folder) {
  return QDir(folder).entryList({QStringLiteral("ERLOG_*.dmp")}, QDir::Files);
}

void CheckDump(const QString& folder, const char* signalName, const QByteArray& origin) {
  const QStringList dumps = DumpFiles(folder);
  ASSERT_EQ(dumps.size(), 1);
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^ERLOG_\\d{14}\\d{2,3}\\d{2}\\.dmp$")).match(dumps[0]).hasMatch())
      << dumps[0].toStdString();
  // Never seeded: the first number of a fresh process, the same as after srand(1).
  std::srand(1);
  const QString number = QStringLiteral("%1").arg(std::rand() % 100, 2, 10, QLatin1Char('0'));
  EXPECT_TRUE(dumps[0].endsWith(number + QStringLiteral(".dmp"))) << dumps[0].toStdString();
  QFile dump(folder + QLatin1Char('/') + dumps[0]);
  ASSERT_TRUE(dump.open(QIODevice::ReadOnly));
  const QByteArray report = dump.readAll();
  EXPECT_TRUE(report.contains(signalName)) << report.left(200).toStdString();
  EXPECT_TRUE(report.contains(origin)) << report.left(200).toStdString();
  EXPECT_TRUE(report.contains("backtrace"));
  EXPECT_TRUE(report.contains("memory map"));
  EXPECT_TRUE(report.contains("r-xp"));  // a mapped code segment
}

// Each death test runs in a fresh process (so rand() is unseeded there too); the folder for the
// dump reaches that process through the environment.
class CrashHandlerDeathTest : public ::testing::Test {
 protected:
  static constexpr const char* kFolderVariable = "CADMIRA_TEST_DUMP_FOLDER";

  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    if (const char* inherited = std::getenv(kFolderVariable)) {
      m_path = QString::fromLocal8Bit(inherited);
      return;
    }
    m_folder.emplace();
    m_path = m_folder->path();
    ::setenv(kFolderVariable, m_path.toLocal8Bit().constData(), 1);
  }
  void TearDown() override {
    if (m_folder) ::unsetenv(kFolderVariable);
  }
  std::string Folder() const { return m_path.toStdString() + "/"; }

  std::optional<QTemporaryDir> m_folder;
  QString m_path;
};

TEST_F(CrashHandlerDeathTest, ASegmentationFaultLeavesADumpWithTheFaultAddress) {
  EXPECT_EXIT(
      {
        InstallCrashHandler(Folder());
        volatile std::uintptr_t unmapped = 8;
        *reinterpret_cast<volatile int*>(unmapped) = 1;
      },
      ::testing::ExitedWithCode(128 + SIGSEGV), "");
  CheckDump(m_path, "SEGV", QByteArrayLiteral("si_code 1\nfault address 0x8\n"));
}

TEST_F(CrashHandlerDeathTest, ASignalFromAProcessNamesItsSender) {
  EXPECT_EXIT(
      {
        InstallCrashHandler(Folder());
        ::kill(::getpid(), SIGSEGV);
      },
      ::testing::ExitedWithCode(128 + SIGSEGV), "");
  // The dying process is the test's child, and it sent the signal itself.
  CheckDump(m_path, "SEGV", QByteArrayLiteral("si_code 0\nsent by pid "));
}

TEST_F(CrashHandlerDeathTest, AnAbortIsHandledTheSameWay) {
  EXPECT_EXIT(
      {
        InstallCrashHandler(Folder());
        std::abort();
      },
      ::testing::ExitedWithCode(128 + SIGABRT), "");
  CheckDump(m_path, "ABRT", QByteArrayLiteral("\nsent by pid "));
}

TEST_F(CrashHandlerDeathTest, MissingFoldersAreCreatedForTheUserAloneAndSoIsTheReport) {
  EXPECT_EXIT(
      {
        ::umask(022);
        InstallCrashHandler(Folder() + "state/Cadmira/");
        std::abort();
      },
      ::testing::ExitedWithCode(128 + SIGABRT), "");
  for (const char* folder : {"/state", "/state/Cadmira"}) {
    struct stat info {};
    ASSERT_EQ(::stat((m_path + QLatin1String(folder)).toLocal8Bit().constData(), &info), 0) << folder;
    EXPECT_EQ(info.st_mode & 07777, 0700u) << folder;
  }
  const QString folder = m_path + QStringLiteral("/state/Cadmira");
  const QStringList dumps = DumpFiles(folder);
  ASSERT_EQ(dumps.size(), 1);
  struct stat info {};
  ASSERT_EQ(::stat((folder + QLatin1Char('/') + dumps[0]).toLocal8Bit().constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
}

TEST_F(CrashHandlerDeathTest, NoFolderOfTheUserMeansNoReport) {
  const QString here = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(m_path));
  EXPECT_EXIT(
      {
        InstallCrashHandler("");
        std::abort();
      },
      ::testing::ExitedWithCode(128 + SIGABRT), "");
  QDir::setCurrent(here);
  EXPECT_TRUE(DumpFiles(m_path).isEmpty());
}

TEST_F(CrashHandlerDeathTest, AFolderThatCannotTakeTheDumpStillGivesTheExitStatus) {
  QFile blocker(m_path + QStringLiteral("/file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_EXIT(
      {
        InstallCrashHandler(Folder() + "file/missing/");
        volatile int zero = 0;
        std::raise(SIGFPE);
        (void)zero;
      },
      ::testing::ExitedWithCode(128 + SIGFPE), "");
  EXPECT_TRUE(DumpFiles(m_path).isEmpty());
}

}  // namespace
}  // namespace cadmira::framework
