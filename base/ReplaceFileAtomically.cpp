#include "base/ReplaceFileAtomically.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

namespace cadmira {
namespace {

constexpr int kMaxLinkDepth = 40;

Error SystemError(const std::string& what, const std::string& path, int code) {
  return Error{what + " " + path + ": " + std::strerror(code)};
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

std::string RandomSuffix() {
  static std::mt19937_64 generator{std::random_device{}()};
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (int i = 0; i < 10; ++i) suffix += kDigits[generator() % (sizeof kDigits - 1)];
  return suffix;
}

// The temporary file and its descriptor; removed again unless Commit() was reached.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (m_fd >= 0) close(m_fd);
    if (!m_path.empty()) unlink(m_path.c_str());
  }

  Status Create(const std::string& target) {
    const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
      const std::string candidate = stem + RandomSuffix() + ".tmp";
      m_fd = open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (m_fd >= 0) {
        m_path = candidate;
        return {};
      }
      if (errno != EEXIST) return SystemError("Cannot create a temporary file beside", target, errno);
    }
    return SystemError("Cannot create a temporary file beside", target, EEXIST);
  }

  int fd() const { return m_fd; }
  const std::string& path() const { return m_path; }

  Status Close() {
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0) return SystemError("Cannot finish writing", m_path, errno);
    return {};
  }

  void Commit() { m_path.clear(); }

 private:
  int m_fd = -1;
  std::string m_path;
};

Status WriteAll(int fd, std::span<const unsigned char> bytes, const std::string& path) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t written = write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      return SystemError("Cannot write", path, errno);
    }
    done += static_cast<std::size_t>(written);
  }
  return {};
}

// Reads the synced file back so that a device that lost data is noticed before the rename.
Status VerifyContent(const std::string& path, std::span<const unsigned char> bytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SystemError("Cannot read back", path, errno);
  std::vector<unsigned char> block(1 << 16);
  std::size_t offset = 0;
  Status status;
  for (;;) {
    const ssize_t got = read(fd, block.data(), block.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      status = SystemError("Cannot read back", path, errno);
      break;
    }
    if (got == 0) break;
    const auto count = static_cast<std::size_t>(got);
    if (offset + count > bytes.size() || std::memcmp(block.data(), bytes.data() + offset, count) != 0) {
      status = Error{"The written file " + path + " does not hold what was written"};
      break;
    }
    offset += count;
  }
  close(fd);
  if (status && offset != bytes.size()) {
    status = Error{"The written file " + path + " is shorter than what was written"};
  }
  return status;
}

Status SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return SystemError("Cannot open the folder", folder, errno);
  const int result = fsync(fd);
  const int code = errno;
  close(fd);
  // Some file systems cannot sync a folder; the rename has happened, so that is not a failure.
  if (result != 0 && code != EINVAL && code != ENOTSUP) return SystemError("Cannot sync the folder", folder, code);
  return {};
}

}  // namespace

Status ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes) {
  if (path.empty()) return Error{"No file name was given"};
  Result<std::string> resolved = ResolveLinks(path);
  if (!resolved) return resolved.error();
  const std::string& target = resolved.value();
  Result<std::optional<ExistingFile>> existing = InspectTarget(target);
  if (!existing) return existing.error();

  TemporaryFile temporary;
  if (Status created = temporary.Create(target); !created) return created;
  if (const auto& old = existing.value()) {
    if (fchmod(temporary.fd(), old->mode) != 0) return SystemError("Cannot set the mode of", temporary.path(), errno);
    // Only a privileged process may give the file back to its owner; others keep their own.
    if (fchown(temporary.fd(), old->owner, old->group) != 0 && errno != EPERM) {
      return SystemError("Cannot set the owner of", temporary.path(), errno);
    }
  }
  if (Status written = WriteAll(temporary.fd(), bytes, temporary.path()); !written) return written;
  if (fsync(temporary.fd()) != 0) return SystemError("Cannot sync", temporary.path(), errno);
  if (Status closed = temporary.Close(); !closed) return closed;
  if (Status verified = VerifyContent(temporary.path(), bytes); !verified) return verified;
  if (rename(temporary.path().c_str(), target.c_str()) != 0) return SystemError("Cannot replace", target, errno);
  temporary.Commit();
  return SyncFolder(FolderOf(target));
}

}  // namespace cadmira
