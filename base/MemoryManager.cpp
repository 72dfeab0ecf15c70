#include "base/MemoryManager.h"

#include "base/Allocator.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>

namespace {

// Each block carries its size in front so that freeing can count it off.
struct alignas(16) BlockHeader {
  std::size_t size;
};

std::atomic<std::size_t> g_liveBytes{0};
std::atomic<std::size_t> g_peakBytes{0};
CZD_MemoryManager::OutOfMemoryHandler g_handler = nullptr;
void* g_handlerData = nullptr;

void CountIn(std::size_t size) {
  const std::size_t live = g_liveBytes.fetch_add(size, std::memory_order_relaxed) + size;
  std::size_t peak = g_peakBytes.load(std::memory_order_relaxed);
  while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
  }
}

void CountOut(std::size_t size) { g_liveBytes.fetch_sub(size, std::memory_order_relaxed); }

void* Failed(int flags) {
  if ((flags & CZD_MemoryManager::kMayFail) == 0 && g_handler != nullptr) {
    g_handler(g_handlerData);
  }
  return nullptr;
}

// A count or unit size of 0 is a request for nothing, not a shortage; only a product beyond
// the array limit counts as out of memory.
bool ArraySizeOk(std::size_t count, std::size_t unitSize) { return count <= 0x7FFFFFFF / unitSize; }

// No block can be larger than the address space allows to index; such requests fail at once.
constexpr std::size_t kLargest = static_cast<std::size_t>(PTRDIFF_MAX) - sizeof(BlockHeader);

}  // namespace

void* CZD_MemoryManager::Allocate(std::size_t size, int flags) {
  if (size > kLargest) {
    return Failed(flags);
  }
  auto* header = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
  if (header == nullptr) {
    return Failed(flags);
  }
  header->size = size;
  CountIn(size);
  return header + 1;
}

void* CZD_MemoryManager::Reallocate(void* block, std::size_t size, int flags) {
  if (block == nullptr) {
    return Allocate(size, flags);
  }
  if (size > kLargest) {
    return Failed(flags);
  }
  BlockHeader* old = static_cast<BlockHeader*>(block) - 1;
  const std::size_t oldSize = old->size;
  auto* header = static_cast<BlockHeader*>(std::realloc(old, sizeof(BlockHeader) + size));
  if (header == nullptr) {
    return Failed(flags);
  }
  CountOut(oldSize);
  header->size = size;
  CountIn(size);
  return header + 1;
}

void CZD_MemoryManager::Free(void* block) {
  if (block == nullptr) {
    return;
  }
  BlockHeader* header = static_cast<BlockHeader*>(block) - 1;
  CountOut(header->size);
  std::free(header);
}

void* CZD_MemoryManager::AllocateArray(std::size_t count, std::size_t unitSize, int flags) {
  if (count == 0 || unitSize == 0) {
    return nullptr;
  }
  if (!ArraySizeOk(count, unitSize)) {
    return Failed(flags);
  }
  return Allocate(count * unitSize, flags);
}

void* CZD_MemoryManager::ReallocateArray(void* block, std::size_t count, std::size_t unitSize, int flags) {
  if (count == 0 || unitSize == 0) {
    return nullptr;
  }
  if (!ArraySizeOk(count, unitSize)) {
    return Failed(flags);
  }
  return Reallocate(block, count * unitSize, flags);
}

void CZD_MemoryManager::SetOutOfMemoryHandler(OutOfMemoryHandler handler, void* userData) {
  g_handler = handler;
  g_handlerData = userData;
}

std::size_t CZD_MemoryManager::LiveBytes() { return g_liveBytes.load(std::memory_order_relaxed); }

std::size_t CZD_MemoryManager::PeakBytes() { return g_peakBytes.load(std::memory_order_relaxed); }

void CZD_MemoryManager::ResetPeak() { g_peakBytes.store(LiveBytes(), std::memory_order_relaxed); }

void* ZD_Allocate(IZD_Allocator* allocator, std::size_t size) {
  return allocator ? allocator->Allocate(size) : CZD_MemoryManager::Allocate(size);
}

void* ZD_Reallocate(IZD_Allocator* allocator, void* block, std::size_t size) {
  return allocator ? allocator->Reallocate(block, size) : CZD_MemoryManager::Reallocate(block, size);
}

void ZD_Free(IZD_Allocator* allocator, void* block) {
  if (allocator) {
    allocator->Free(block);
  } else {
    CZD_MemoryManager::Free(block);
  }
}
