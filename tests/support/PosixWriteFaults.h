#pragma once

// System calls that fail as a full disk, an I/O error at the final rename and a folder that
// refuses a new file do, for putting into ReplaceSystemCalls.
#include <sys/types.h>

#include <cerrno>
#include <cstddef>

namespace cadmira::write_faults {

inline ssize_t DiskFull(int, const void*, std::size_t) {
  errno = ENOSPC;
  return -1;
}

inline int RenameFails(const char*, const char*) {
  errno = EIO;
  return -1;
}

inline int FolderRefuses(const char*, int, mode_t) {
  errno = EACCES;
  return -1;
}

}  // namespace cadmira::write_faults
