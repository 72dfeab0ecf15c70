#pragma once

#include <span>
#include <string>

#include "base/Result.h"

namespace cadmira {

// Replaces the file at `path` with `bytes` so that, whatever happens, the path holds either its
// old content or the complete new one: the bytes go to a temporary file in the same folder,
// which is synced, checked and renamed over the target, and the folder is synced after it.
// A symbolic link is followed and its final target replaced. An existing file keeps its mode
// and, where allowed, its owner; a new one gets 0666 less the umask. A target whose mode bits
// allow nobody to write is refused even for a process that could override them. On failure the
// target is untouched and no temporary file is left behind.
Status ReplaceFileAtomically(const std::string& path, std::span<const unsigned char> bytes);

}  // namespace cadmira
