#include "base/ReplaceFileAtomically.h"

#include "base/TemporaryFilePosix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <csignal>
#include <vector>

namespace cadmira {
namespace {

constexpr int kMaxLinkDepth = 40;

Error SystemError(const std::string& what, const std::string& path, int code) {
  return Error{what + " " + path + ": " + std::strerror(code), code};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows a chain of symbolic links to the path that is finally written; a dangling link
// names the file to create.
Result<std::string> ResolveLinks(std::string path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t length = readlink(path.c_str(), target.data(), target.size());
    if (length < 0) return SystemError("Cannot read the link", path, errno);
    std::string next(target.data(), static_cast<std::size_t>(length));
    if (next.empty() || next[0] != '/') next = FolderOf(path) + "/" + next;
    path = next;
  }
  return SystemError("Cannot follow the link", path, ELOOP);
}

struct ExistingFile {
  mode_t mode;
  uid_t owner;
  gid_t group;
};

Result<std::optional<ExistingFile>> InspectTarget(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return std::optional<ExistingFile>();
    return SystemError("Cannot inspect", path, errno);
  }
  if (S_ISDIR(info.st_mode)) return Error{"Cannot replace " + path + ": it is a folder"};
  if (!S_ISREG(info.st_mode)) return Error{"Cannot replace " + path + ": it is not a regular file"};
  // Root could write anyway; the mode bits are what the user set to protect the file.
  if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return Error{"Cannot replace " + path + ": the file is read-only"};
  }
  return std::optional<ExistingFile>(ExistingFile{info.st_mode & 07777, info.st_uid, info.st_gid});
}

// Ignores SIGXFSZ while it lives, so that a file-size limit fails the write with EFBIG
// instead of killing the process with the temporary file in place.
class FileSizeSignalIgnored {
 public:
  FileSizeSignalIgnored() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    m_saved = sigaction(SIGXFSZ, &ignore, &m_previous) == 0;
  }
  FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
  FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;
  ~FileSizeSignalIgnored() {
    if (m_saved) sigaction(SIGXFSZ, &m_previous, nullptr);
  }

 private:
  struct sigaction m_previous {};
  bool m_saved = false;
};

Status WriteAll(int fd, std::span<const unsigned char> bytes, const std::string& path,
                const ReplaceSystemCalls& calls) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = calls.write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return SystemError("Cannot write", path, errno);
    }
    done += static_cast<std::size_t>(written);
  }
  return {};
}

// Reads the synced file back so that a device that lost data is noticed before the rename.
Status VerifyContent(int fd, const std::string& path, std::span<const unsigned char> bytes) {
  std::vector<unsigned char> block(1 << 16);
  std::size_t offset = 0;
  for (;;) {
    const ssize_t got = pread(fd, block.data(), block.size(), static_cast<off_t>(offset));
    if (got < 0) {
      if (errno == EINTR) continue;
      return SystemError("Cannot read back", path, errno);
    }
    if (got == 0) break;
    const auto count = static_cast<std::size_t>(got);
    if (offset + count > bytes.size() || std::memcmp(block.data(), bytes.data() + offset, count) != 0) {
      return Error{"The written file " + path + " does not hold what was written"};
    }
    offset += count;
  }
  if (offset != bytes.size()) return Error{"The written file " + path + " is shorter than what was written"};
  return {};
}

// After the rename the new file is in place whatever happens here, so a failure is only worth
// a warning.
std::string SyncFolder(const std::string& folder, const ReplaceSystemCalls& calls) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) {
    return "the file was replaced, but its folder " + folder +
           " could not be opened to sync it: " + std::strerror(errno);
  }
  const int result = calls.syncFolder(fd);
  const int code = errno;
  close(fd);
  // Some file systems cannot sync a folder at all; that is no news to report.
  if (result != 0 && code != EINVAL && code != ENOTSUP) {
    return "the file was replaced, but its folder " + folder + " could not be synced: " + std::strerror(code);
  }
  return {};
}

// Messages name the target: the temporary file means nothing to the user.
Status Fill(CTemporaryFile& temporary, const std::string& target, const std::optional<ExistingFile>& existing,
            std::span<const unsigned char> bytes, const ReplaceSystemCalls& calls) {
  if (Status written = WriteAll(temporary.fd(), bytes, target, calls); !written) return written;
  if (existing) {
    // Writing and a change of owner both clear the set-user-id and set-group-id bits, so the
    // mode comes last. Only a privileged process may give the file back to its owner; others
    // keep their own.
    if (fchown(temporary.fd(), existing->owner, existing->group) != 0 && errno != EPERM) {
      return SystemError("Cannot set the owner of", target, errno);
    }
    if (fchmod(temporary.fd(), existing->mode) != 0) return SystemError("Cannot set the mode of", target, errno);
  }
  if (calls.syncFile(temporary.fd()) != 0) return SystemError("Cannot sync", target, errno);
  return VerifyContent(temporary.fd(), target, bytes);
}

}  // namespace

int OpenNewFile(const char* path, int flags, mode_t mode) { return open(path, flags, mode); }

Result<Replaced> ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                                       const ReplaceSystemCalls& calls) {
  if (path.empty()) return Error{"No file name was given"};
  Result<std::string> resolved = ResolveLinks(path);
  if (!resolved) return resolved.error();
  const std::string& target = resolved.value();
  Result<std::optional<ExistingFile>> existing = InspectTarget(target);
  if (!existing) return existing.error();
  const std::string folder = FolderOf(target);
  CTemporaryFile::SweepStale(folder, NameOf(target));

  const FileSizeSignalIgnored noSizeSignal;
  CTemporaryFile temporary;
  // An existing file's content stays private until its own mode is set.
  if (Status created = temporary.Create(folder, NameOf(target), existing.value() ? 0600 : 0666, calls.openFile);
      !created) {
    return Error{"cannot write " + path + ": " + created.error().message, created.error().code};
  }
  if (Status filled = Fill(temporary, target, existing.value(), bytes, calls); !filled) return filled.error();
  if (calls.rename(temporary.path().c_str(), target.c_str()) != 0) return SystemError("Cannot replace", target, errno);
  temporary.Commit();
  return Replaced{SyncFolder(folder, calls)};
}

}  // namespace cadmira
