#include "document/ReadWholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "document/ReadBounded.h"

namespace cadmira::document {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (m_fd >= 0) close(m_fd);
  }
  int get() const { return m_fd; }

 private:
  int m_fd;
};

}  // namespace

Result<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::uint64_t limit, FileKinds kinds) {
  // Opening a FIFO waits for its writer unless the open does not block.
  const int nonBlocking = kinds == FileKinds::RegularOnly ? O_NONBLOCK : 0;
  const FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | nonBlocking));
  if (file.get() < 0) return CannotRead(path, std::strerror(errno));
  struct stat info {};
  if (fstat(file.get(), &info) != 0) return CannotRead(path, std::strerror(errno));
  if (S_ISDIR(info.st_mode)) return CannotRead(path, std::strerror(EISDIR));
  if (kinds == FileKinds::RegularOnly) {
    if (!S_ISREG(info.st_mode)) return CannotRead(path, "it is not a regular file");
    if (fcntl(file.get(), F_SETFL, fcntl(file.get(), F_GETFL) & ~O_NONBLOCK) != 0) {
      return CannotRead(path, std::strerror(errno));
    }
  }
  // A regular file's size is known before reading; anything else is read until it ends.
  std::uint64_t hint = 0;
  if (S_ISREG(info.st_mode) && info.st_size > 0) {
    hint = static_cast<std::uint64_t>(info.st_size);
    if (hint > limit) return TooLarge(path, limit);
  }
  return ReadBounded(path, limit, hint, [&](unsigned char* into, std::size_t room, std::string& reason) -> long {
    for (;;) {
      const ssize_t got = read(file.get(), into, room);
      if (got >= 0) return static_cast<long>(got);
      if (errno != EINTR) {
        reason = std::strerror(errno);
        return -1;
      }
    }
  });
}

}  // namespace cadmira::document
