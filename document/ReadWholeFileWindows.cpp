#include "document/ReadWholeFile.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

#include "base/WidePathWindows.h"
#include "document/ReadBounded.h"

namespace cadmira::document {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : m_handle(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
  }
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

}  // namespace

Result<std::vector<unsigned char>> ReadWholeFile(const std::string& path, std::uint64_t limit, FileKinds kinds) {
  // Other programs may go on reading, writing or even replacing the file meanwhile, as on Linux.
  // A folder opens too (backup semantics), so that it can be told apart from a file one cannot
  // read.
  const FileHandle file(CreateFileW(SystemPath(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) return CannotRead(path, SystemErrorText(GetLastError()));
  BY_HANDLE_FILE_INFORMATION information{};
  if (GetFileType(file.get()) == FILE_TYPE_DISK && GetFileInformationByHandle(file.get(), &information) &&
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return CannotRead(path, std::strerror(EISDIR));
  }
  if (kinds == FileKinds::RegularOnly && GetFileType(file.get()) != FILE_TYPE_DISK) {
    return CannotRead(path, "it is not a regular file");
  }
  // A file on disk has a known size; a pipe or a device is read until it ends.
  std::uint64_t hint = 0;
  LARGE_INTEGER size{};
  if (GetFileType(file.get()) == FILE_TYPE_DISK && GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
    hint = static_cast<std::uint64_t>(size.QuadPart);
    if (hint > limit) return TooLarge(path, limit);
  }
  return ReadBounded(path, limit, hint, [&](unsigned char* into, std::size_t room, std::string& reason) -> long {
    const DWORD wanted = static_cast<DWORD>(room < (1u << 30) ? room : (1u << 30));
    DWORD got = 0;
    if (ReadFile(file.get(), into, wanted, &got, nullptr)) return static_cast<long>(got);
    const DWORD code = GetLastError();
    // The writer of a pipe has closed its end: that is the end of the data.
    if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF) return 0;
    reason = SystemErrorText(code);
    return -1;
  });
}

}  // namespace cadmira::document
