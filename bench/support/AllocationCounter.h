#pragma once

#include <cstddef>

// Every heap byte of the process, ours and the references' alike, counted at the C library's
// malloc so that the two sides of a comparison are measured the same way.
namespace bench {

std::size_t LiveHeapBytes();
std::size_t PeakHeapBytes();
// Starts a new peak from the bytes live now.
void ResetPeakHeapBytes();

}  // namespace bench
