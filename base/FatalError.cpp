#include "base/FatalError.h"

#include <cstdio>
#include <cstdlib>

void ZD_FatalError(ZD_FatalCode code, long long value) {
  switch (code) {
    case ZD_FatalCode::kInvalidIndex:
      std::fprintf(stderr, "Invalid index:\n%lld\n", value);
      break;
    case ZD_FatalCode::kInvalidArraySize:
      std::fputs("Invalid array size\n", stderr);
      break;
    case ZD_FatalCode::kMemoryAllocation:
      std::fputs("Memory allocation error\n", stderr);
      break;
  }
  std::fflush(stderr);
  std::abort();
}
