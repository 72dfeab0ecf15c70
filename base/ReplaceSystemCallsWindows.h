#pragma once

namespace cadmira {

// The Windows calls behind a replacement's creating, writing and flushing of its temporary file
// (a HANDLE here) and its moving over the target; tests put their own in to inject faults.
bool SystemWriteFile(void* file, const void* data, unsigned long size, unsigned long* written);
bool SystemFlushFile(void* file);
// A new file, shared with nobody, open to read, write and delete; INVALID_HANDLE_VALUE on failure.
void* SystemCreateNewFile(const wchar_t* path);
// Moves `from` over `to`, returning once the move is on the disk.
bool SystemMoveOver(const wchar_t* from, const wchar_t* to);

struct ReplaceSystemCalls {
  bool (*write)(void* file, const void* data, unsigned long size, unsigned long* written) = &SystemWriteFile;
  bool (*syncFile)(void* file) = &SystemFlushFile;
  void* (*openFile)(const wchar_t* path) = &SystemCreateNewFile;
  bool (*rename)(const wchar_t* from, const wchar_t* to) = &SystemMoveOver;
};

}  // namespace cadmira
