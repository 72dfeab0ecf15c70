#pragma once

// Programming errors the base library cannot recover from.
enum class ZD_FatalCode { kInvalidIndex, kInvalidArraySize, kMemoryAllocation };

// Writes the code's message (and, for an invalid index, the index) to standard error and aborts.
[[noreturn]] void ZD_FatalError(ZD_FatalCode code, long long value = 0);
