#pragma once

namespace cadmira {

// The Windows calls behind a replacement's writing and flushing of its temporary file (a HANDLE
// here); tests put their own in to inject faults.
bool SystemWriteFile(void* file, const void* data, unsigned long size, unsigned long* written);
bool SystemFlushFile(void* file);

struct ReplaceSystemCalls {
  bool (*write)(void* file, const void* data, unsigned long size, unsigned long* written) = &SystemWriteFile;
  bool (*syncFile)(void* file) = &SystemFlushFile;
};

}  // namespace cadmira
