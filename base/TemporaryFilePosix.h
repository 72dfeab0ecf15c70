#pragma once

#include <sys/types.h>

#include <string>

#include "base/Result.h"

namespace cadmira {

// A temporary file beside a target, for writing the target's next content. Its name is short
// (".cadmira-" and two 8-digit hex numbers), so a target name of up to the file system's limit
// still has room for it; the first number stands for the target's name, so that the stale
// temporaries of one target can be found again. While it exists the file is locked, and it is
// removed when this object goes, unless Commit() was called, and when the process is ended by a
// terminating signal that the program does not handle itself. One is made at a time.
class CTemporaryFile {
 public:
  CTemporaryFile() = default;
  CTemporaryFile(const CTemporaryFile&) = delete;
  CTemporaryFile& operator=(const CTemporaryFile&) = delete;
  ~CTemporaryFile();

  // Creates the file in `folder` for the target named `targetName`, with `mode` less the umask,
  // through `openFile` (open(2) by default). The error is the system's reason alone, for the
  // caller to name the target with.
  Status Create(const std::string& folder, const std::string& targetName, unsigned mode,
                int (*openFile)(const char* path, int flags, mode_t mode) = nullptr);
  int fd() const { return m_fd; }
  const std::string& path() const { return m_path; }
  // The file has been renamed into place: nothing to remove any more. The descriptor, and with
  // it the lock, stays open until then.
  void Commit();

  // Removes the temporaries of `targetName` in `folder` that no living writer holds: what a
  // writer killed outright leaves behind.
  static void SweepStale(const std::string& folder, const std::string& targetName);

 private:
  void Forget();

  int m_fd = -1;
  std::string m_path;
};

}  // namespace cadmira
