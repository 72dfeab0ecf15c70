#include "base/TemporaryFilePosix.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>

namespace cadmira {
namespace {

constexpr char kPrefix[] = ".cadmira-";
constexpr char kSuffix[] = ".tmp";

// The signals that end a process by default and that a program may catch.
constexpr int kTerminatingSignals[] = {SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGPIPE, SIGALRM, SIGUSR1, SIGUSR2};
constexpr int kSignalCount = sizeof kTerminatingSignals / sizeof kTerminatingSignals[0];

// The temporary file a signal handler has to remove; only one write runs at a time.
std::atomic<const char*> g_pendingPath{nullptr};
struct sigaction g_previous[kSignalCount];
bool g_installed[kSignalCount];

void RemoveAndDie(int signal) {
  if (const char* path = g_pendingPath.exchange(nullptr)) unlink(path);
  for (int i = 0; i < kSignalCount; ++i) {
    if (g_installed[i]) sigaction(kTerminatingSignals[i], &g_previous[i], nullptr);
  }
  // This handler only ever replaces the default action, so that is what the signal gets back,
  // whatever the bookkeeping says. It is blocked inside its handler: it is delivered on return.
  std::signal(signal, SIG_DFL);
  raise(signal);
}

// Only signals left at their default action are taken over; a program that handles or ignores
// a signal keeps doing so.
void InstallHandlers() {
  for (int i = 0; i < kSignalCount; ++i) {
    g_installed[i] = false;
    if (sigaction(kTerminatingSignals[i], nullptr, &g_previous[i]) != 0) continue;
    if ((g_previous[i].sa_flags & SA_SIGINFO) != 0 || g_previous[i].sa_handler != SIG_DFL) continue;
    struct sigaction action {};
    action.sa_handler = &RemoveAndDie;
    sigemptyset(&action.sa_mask);
    g_installed[i] = sigaction(kTerminatingSignals[i], &action, nullptr) == 0;
  }
}

void RestoreHandlers() {
  for (int i = 0; i < kSignalCount; ++i) {
    if (g_installed[i]) sigaction(kTerminatingSignals[i], &g_previous[i], nullptr);
    g_installed[i] = false;
  }
}

// FNV-1a: a stable short tag for the target's name.
std::string NameTag(const std::string& name) {
  std::uint32_t hash = 2166136261u;
  for (const unsigned char c : name) hash = (hash ^ c) * 16777619u;
  char text[9];
  std::snprintf(text, sizeof text, "%08x", hash);
  return text;
}

std::string RandomTag() {
  static std::mt19937 generator{std::random_device{}()};
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(generator()));
  return text;
}

std::string StemFor(const std::string& targetName) { return kPrefix + NameTag(targetName) + "-"; }

bool IsTemporaryOf(const char* entry, const std::string& stem) {
  const std::size_t length = std::strlen(entry);
  const std::size_t suffix = sizeof kSuffix - 1;
  return length == stem.size() + 8 + suffix && std::strncmp(entry, stem.c_str(), stem.size()) == 0 &&
         std::strcmp(entry + length - suffix, kSuffix) == 0;
}

// A temporary whose lock can be taken has no writer any more; it is removed only when the name
// still leads to the file that was locked.
void RemoveIfAbandoned(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return;
  struct stat opened {};
  struct stat named {};
  if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &opened) == 0 && lstat(path.c_str(), &named) == 0 &&
      S_ISREG(opened.st_mode) && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino) {
    unlink(path.c_str());
  }
  close(fd);
}

}  // namespace

CTemporaryFile::~CTemporaryFile() {
  if (m_fd >= 0) close(m_fd);
  if (!m_path.empty()) unlink(m_path.c_str());
  Forget();
}

Status CTemporaryFile::Create(const std::string& folder, const std::string& targetName, unsigned mode,
                              int (*openFile)(const char* path, int flags, mode_t mode)) {
  const std::string stem = folder + "/" + StemFor(targetName);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = stem + RandomTag() + kSuffix;
    const int flags = O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC;
    m_fd = openFile ? openFile(candidate.c_str(), flags, static_cast<mode_t>(mode))
                    : open(candidate.c_str(), flags, static_cast<mode_t>(mode));
    if (m_fd >= 0) {
      m_path = candidate;
      // The lock tells a later sweep that this file still has its writer.
      flock(m_fd, LOCK_EX | LOCK_NB);
      g_pendingPath.store(m_path.c_str());
      InstallHandlers();
      return {};
    }
    if (errno != EEXIST) break;
  }
  // The reason alone: the person knows the target, never this file's name.
  const int code = errno;
  return Error{std::strerror(code), code};
}

void CTemporaryFile::Commit() {
  Forget();
  m_path.clear();
  close(m_fd);
  m_fd = -1;
}

void CTemporaryFile::Forget() {
  if (m_path.empty()) return;
  g_pendingPath.store(nullptr);
  RestoreHandlers();
}

void CTemporaryFile::SweepStale(const std::string& folder, const std::string& targetName) {
  DIR* directory = opendir(folder.c_str());
  if (!directory) return;
  const std::string stem = StemFor(targetName);
  while (const dirent* entry = readdir(directory)) {
    if (IsTemporaryOf(entry->d_name, stem)) RemoveIfAbandoned(folder + "/" + entry->d_name);
  }
  closedir(directory);
}

}  // namespace cadmira
