#pragma once

#include <sys/types.h>
#include <unistd.h>

namespace cadmira {

// The system calls of a replacement that fail on a sound program when the disk does; tests put
// their own in to inject faults.
struct ReplaceSystemCalls {
  ssize_t (*write)(int fd, const void* data, size_t size) = ::write;
  int (*syncFile)(int fd) = ::fsync;
  int (*syncFolder)(int fd) = ::fsync;
};

}  // namespace cadmira
