#pragma once

#include <sys/types.h>
#include <cstdio>
#include <unistd.h>

namespace cadmira {

// open(2) with the arguments a new file needs.
int OpenNewFile(const char* path, int flags, mode_t mode);

// The system calls of a replacement that fail on a sound program when the disk does; tests put
// their own in to inject faults.
struct ReplaceSystemCalls {
  int (*openFile)(const char* path, int flags, mode_t mode) = OpenNewFile;
  ssize_t (*write)(int fd, const void* data, size_t size) = ::write;
  int (*syncFile)(int fd) = ::fsync;
  int (*rename)(const char* from, const char* to) = ::rename;
  int (*syncFolder)(int fd) = ::fsync;
};

}  // namespace cadmira
