#pragma once

namespace cadmira::cli {

inline constexpr int kExitOk = 0;
// The input is not what the command needs (not XML, not a configuration file, ...).
inline constexpr int kExitBadInput = 1;
// A usage error or a file that cannot be read or written.
inline constexpr int kExitUsage = 2;

}  // namespace cadmira::cli
