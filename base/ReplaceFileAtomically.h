#pragma once

#include <span>
#include <string>

#include "base/Result.h"
#ifdef _WIN32
#include "base/ReplaceSystemCallsWindows.h"
#else
#include "base/ReplaceSystemCallsPosix.h"
#endif

namespace cadmira {

// A replacement that took place. The warning, when not empty, is one line saying what could
// not be done afterwards (the folder could not be synced, so the new name might not survive a
// power failure); the file holds the new content all the same.
struct Replaced {
  std::string warning;
};

// Puts `calls` in place of the system's for every replacement that is not given its own, while
// it lives: the faults a test injects reach the writes of the layers above.
class ScopedReplaceSystemCalls {
 public:
  explicit ScopedReplaceSystemCalls(const ReplaceSystemCalls& calls);
  ~ScopedReplaceSystemCalls();
  ScopedReplaceSystemCalls(const ScopedReplaceSystemCalls&) = delete;
  ScopedReplaceSystemCalls& operator=(const ScopedReplaceSystemCalls&) = delete;

 private:
  ReplaceSystemCalls m_previous;
};

// Replaces the file at `path` (UTF-8) with `bytes` so that, whatever happens, the path holds
// either its old content or the complete new one: the bytes go to a temporary file in the same
// folder, which is synced, checked and renamed over the target, and the folder is synced after
// it. A symbolic link is followed and its final target replaced. On Linux an existing file
// keeps its whole mode (set-id bits included) and, where allowed, its owner; a new one gets
// 0666 less the umask; a target whose mode bits allow nobody to write is refused even for a
// process that could override them; a file-size limit makes the write fail instead of ending
// the process. On Windows an existing file keeps its attributes, a read-only one is refused,
// and a target that another program holds open is refused with a message that says so.
// On failure the target is untouched and no temporary file is left behind; stale temporaries
// of earlier writers of the same target that were killed outright are removed.
Result<Replaced> ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes,
                                       const ReplaceSystemCalls& calls);
// The same with the calls in place (the system's, unless a ScopedReplaceSystemCalls says otherwise).
Result<Replaced> ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes);

}  // namespace cadmira
