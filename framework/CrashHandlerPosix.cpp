#include "framework/CrashHandler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace cadmira::framework {
namespace {

constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr std::size_t kAltStackSize = 256 * 1024;
constexpr int kMaxFrames = 128;

struct CrashState {
  std::vector<char> folder;  // zero-terminated
  int number = 0;
  long utcOffset = 0;
};

CrashState* g_state = nullptr;

// Appends `value` with at least `minDigits` digits; returns the new length or 0 when full.
std::size_t AppendDecimal(char* out, std::size_t length, std::size_t capacity, long long value, int minDigits) {
  char digits[24];
  int count = 0;
  const bool negative = value < 0;
  unsigned long long magnitude =
      negative ? 0ull - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count < minDigits) digits[count++] = '0';
  if (negative) digits[count++] = '-';
  if (length + static_cast<std::size_t>(count) >= capacity) return 0;
  while (count > 0) out[length++] = digits[--count];
  out[length] = '\0';
  return length;
}

std::size_t AppendText(char* out, std::size_t length, std::size_t capacity, const char* text) {
  const std::size_t size = std::strlen(text);
  if (length + size >= capacity) return 0;
  std::memcpy(out + length, text, size);
  length += size;
  out[length] = '\0';
  return length;
}

void WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd, data, size);
    if (written <= 0) return;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
}

void WriteText(int fd, const char* text) { WriteAll(fd, text, std::strlen(text)); }

void WriteNumber(int fd, unsigned long long value, int base) {
  char digits[24];
  int count = 0;
  do {
    digits[count++] = "0123456789abcdef"[value % static_cast<unsigned>(base)];
    value /= static_cast<unsigned>(base);
  } while (value != 0);
  char text[26];
  int length = 0;
  if (base == 16) {
    text[length++] = '0';
    text[length++] = 'x';
  }
  while (count > 0) text[length++] = digits[--count];
  WriteAll(fd, text, static_cast<std::size_t>(length));
}

void WriteSigned(int fd, long long value) {
  if (value < 0) WriteText(fd, "-");
  WriteNumber(fd, value < 0 ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value),
              10);
}

// A signal sent with kill, tgkill or sigqueue (si_code 0 or below) has a sender and no faulting
// address; a fault has its address.
void WriteSignalOrigin(int fd, const siginfo_t* info) {
  if (info == nullptr) return;
  WriteText(fd, "si_code ");
  WriteSigned(fd, info->si_code);
  if (info->si_code <= 0) {
    WriteText(fd, "\nsent by pid ");
    WriteSigned(fd, info->si_pid);
  } else {
    WriteText(fd, "\nfault address ");
    WriteNumber(fd, reinterpret_cast<unsigned long long>(info->si_addr), 16);
  }
  WriteText(fd, "\n");
}

void CopyFile(int fd, const char* path) {
  const int source = ::open(path, O_RDONLY | O_CLOEXEC);
  if (source < 0) return;
  char buffer[4096];
  ssize_t got;
  while ((got = ::read(source, buffer, sizeof buffer)) > 0) WriteAll(fd, buffer, static_cast<std::size_t>(got));
  ::close(source);
}

void WriteReport(int fd, int signalNumber, const siginfo_t* info) {
  WriteText(fd, "Cadmira crash report\nsignal ");
  WriteNumber(fd, static_cast<unsigned long long>(signalNumber), 10);
  WriteText(fd, " (");
  WriteText(fd, sigabbrev_np(signalNumber) != nullptr ? sigabbrev_np(signalNumber) : "?");
  WriteText(fd, ")\n");
  WriteSignalOrigin(fd, info);
  WriteText(fd, "\nbacktrace\n");
  void* frames[kMaxFrames];
  const int depth = ::backtrace(frames, kMaxFrames);
  ::backtrace_symbols_fd(frames, depth, fd);
  WriteText(fd, "\nmemory map\n");
  CopyFile(fd, "/proc/self/maps");
}

// Creates each missing folder of the report's `path` for its owner alone; folders that exist keep
// their mode. It runs only at a crash, so that a program that never crashes leaves no folder.
void CreateFolders(char* path) {
  for (char* slash = path + 1; *slash != '\0'; ++slash) {
    if (*slash != '/') continue;
    *slash = '\0';
    if (::mkdir(path, 0700) == 0) ::chmod(path, 0700);
    *slash = '/';
  }
}

void HandleCrash(int signalNumber, siginfo_t* info, void*) {
  // Without a folder of the user's there is nowhere private for the report.
  if (g_state != nullptr && g_state->folder[0] != '\0') {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const CrashTime time = CrashTimeFromEpoch(now.tv_sec, static_cast<int>(now.tv_nsec / 1000000), g_state->utcOffset);
    char path[4096 + 64];
    if (FormatCrashDumpName(path, sizeof path, g_state->folder.data(), time, g_state->number) != 0) {
      CreateFolders(path);
      // The memory map and the backtrace are the user's business alone.
      const int fd = ::open(path, O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
      if (fd >= 0) {
        ::fchmod(fd, 0600);
        WriteReport(fd, signalNumber, info);
        ::close(fd);
      }
    }
  }
  ::_exit(128 + signalNumber);
}

long LocalUtcOffset() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  return local.tm_gmtoff;
}

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(long long days, int& year, int& month, int& day) {
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long dayOfEra = days - era * 146097;
  const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long monthIndex = (5 * dayOfYear + 2) / 153;
  day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

std::size_t FormatCrashDumpName(char* out, std::size_t capacity, const char* folder, const CrashTime& time,
                                int number) {
  if (capacity == 0) return 0;
  out[0] = '\0';
  std::size_t length = AppendText(out, 0, capacity, folder);
  if (length == 0 && folder[0] != '\0') return 0;
  length = AppendText(out, length, capacity, "ERLOG_");
  const int fields[] = {time.month, time.day, time.hour, time.minute, time.second, time.millisecond, number};
  if (length != 0) length = AppendDecimal(out, length, capacity, time.year, 4);
  for (const int field : fields) {
    if (length == 0) return 0;
    length = AppendDecimal(out, length, capacity, field, 2);
  }
  if (length == 0) return 0;
  return AppendText(out, length, capacity, ".dmp");
}

CrashTime CrashTimeFromEpoch(long long seconds, int millisecond, long utcOffsetSeconds) {
  const long long local = seconds + utcOffsetSeconds;
  long long days = local / 86400;
  long long secondOfDay = local % 86400;
  if (secondOfDay < 0) {
    secondOfDay += 86400;
    --days;
  }
  CrashTime time{};
  CivilFromDays(days, time.year, time.month, time.day);
  time.hour = static_cast<int>(secondOfDay / 3600);
  time.minute = static_cast<int>(secondOfDay / 60 % 60);
  time.second = static_cast<int>(secondOfDay % 60);
  time.millisecond = millisecond;
  return time;
}

std::string CrashReportFolder(const char* stateHome, const char* home) {
  std::string folder;
  if (stateHome != nullptr && stateHome[0] == '/') {
    folder = stateHome;
  } else if (home != nullptr && home[0] != '\0') {
    folder = std::string(home) + "/.local/state";
  } else {
    return {};
  }
  if (folder.back() != '/') folder += '/';
  return folder + "Cadmira/";
}

std::string CrashReportFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') {
    if (const passwd* user = ::getpwuid(::getuid())) home = user->pw_dir;
  }
  return CrashReportFolder(std::getenv("XDG_STATE_HOME"), home);
}

void InstallCrashHandler(const std::string& dumpFolder) {
  static CrashState state;
  state.folder.assign(dumpFolder.begin(), dumpFolder.end());
  state.folder.push_back('\0');
  state.number = std::rand() % 100;
  state.utcOffset = LocalUtcOffset();
  // backtrace() loads its unwinder on first use, which is not safe inside a handler.
  void* warmUp[1];
  ::backtrace(warmUp, 1);
  g_state = &state;

  static std::vector<char> alternateStack(kAltStackSize);
  stack_t stack{};
  stack.ss_sp = alternateStack.data();
  stack.ss_size = alternateStack.size();
  ::sigaltstack(&stack, nullptr);

  struct sigaction action {};
  action.sa_sigaction = HandleCrash;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  for (const int signalNumber : kSignals) ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace cadmira::framework
