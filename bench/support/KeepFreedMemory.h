#pragma once

#include <malloc.h>

namespace bench {

// Freed memory stays with the process and nothing is mapped afresh, so that large inputs time the
// work itself rather than the kernel's page faults. Call it first in main.
inline void KeepFreedMemory() {
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, -1);
}

}  // namespace bench
