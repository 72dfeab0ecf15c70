#pragma once

#include <cstddef>

class IZD_Allocator;

// The process-wide memory source of the base library. It counts the bytes it hands out so that
// callers can tell how much a structure costs.
class CZD_MemoryManager {
 public:
  // Bit 0 of the flags: the request may fail without calling the out-of-memory handler.
  static constexpr int kMayFail = 1;

  using OutOfMemoryHandler = void (*)(void* userData);

  static void* Allocate(std::size_t size, int flags = 0);
  static void* Reallocate(void* block, std::size_t size, int flags = 0);
  static void Free(void* block);

  // Array-style requests: fail when either factor is 0 (without the handler) or when
  // count > 0x7FFFFFFF / unitSize (a shortage like any other).
  static void* AllocateArray(std::size_t count, std::size_t unitSize, int flags = 0);
  static void* ReallocateArray(void* block, std::size_t count, std::size_t unitSize, int flags = 0);

  static void SetOutOfMemoryHandler(OutOfMemoryHandler handler, void* userData);

  static std::size_t LiveBytes();
  static std::size_t PeakBytes();
  // Starts a new peak measurement from the bytes live now.
  static void ResetPeak();
};

// Allocation through the caller's allocator when one is given, else through the manager.
void* ZD_Allocate(IZD_Allocator* allocator, std::size_t size);
void* ZD_Reallocate(IZD_Allocator* allocator, void* block, std::size_t size);
void ZD_Free(IZD_Allocator* allocator, void* block);
