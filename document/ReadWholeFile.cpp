#include "document/ReadWholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <new>

namespace cadmira::document {
namespace {

constexpr std::size_t kChunk = 1 << 16;

Error CannotRead(const std::string& name, const std::string& reason) {
  return Error{"cannot read " + name + ": " + reason};
}

Error TooLarge(const std::string& name, std::uint64_t limit) {
  return CannotRead(name, "it is larger than " + std::to_string(limit) + " bytes, the most a file may hold");
}

// Appends chunks from `readSome` (which returns the bytes it got, 0 at the end, -1 with errno
// set on failure) until the end, refusing more than `limit` bytes. The buffer grows by at most
// what the limit allows, so a stream that never ends costs no more than the limit.
template <class ReadSome>
Result<std::vector<unsigned char>> ReadBounded(const std::string& name, std::uint64_t limit, std::uint64_t sizeHint,
                                               ReadSome readSome) {
  std::vector<unsigned char> bytes;
  try {
    // One byte more than a known size, so that the end is seen without growing again.
    if (sizeHint > 0) bytes.resize(static_cast<std::size_t>(std::min(sizeHint, limit) + 1));
    std::size_t done = 0;
    for (;;) {
      if (done == bytes.size()) {
        const std::uint64_t wanted = std::max<std::uint64_t>(bytes.size() * 2, kChunk);
        bytes.resize(static_cast<std::size_t>(std::min(wanted, limit + 1)));
      }
      const long got = readSome(bytes.data() + done, bytes.size() - done);
      if (got < 0) return CannotRead(name, std::strerror(errno));
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
      if (done > limit) return TooLarge(name, limit);
    }
    bytes.resize(done);
  } catch (const std::bad_alloc&) {
    return CannotRead(name, "out of memory");
  } catch (const std::length_error&) {
    return CannotRead(name, "out of memory");
  }
  return bytes;
}

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
  return ReadBounded(path, limit, hint, [&](unsigned char* into, std::size_t room) -> long {
    for (;;) {
      const ssize_t got = read(file.get(), into, room);
      if (got >= 0 || errno != EINTR) return static_cast<long>(got);
    }
  });
}

Result<std::vector<unsigned char>> ReadWholeStream(std::istream& in, const std::string& name, std::uint64_t limit) {
  return ReadBounded(name, limit, 0, [&](unsigned char* into, std::size_t room) -> long {
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(room));
    if (in.bad()) {
      errno = EIO;
      return -1;
    }
    return static_cast<long>(in.gcount());
  });
}

}  // namespace cadmira::document
