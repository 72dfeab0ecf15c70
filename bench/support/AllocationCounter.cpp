#include "bench/support/AllocationCounter.h"

#include <malloc.h>

#include <atomic>
#include <cerrno>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace {

std::atomic<std::size_t> g_live{0};
std::atomic<std::size_t> g_peak{0};

void Added(void* block) {
  if (block == nullptr) return;
  const std::size_t live =
      g_live.fetch_add(malloc_usable_size(block), std::memory_order_relaxed) + malloc_usable_size(block);
  std::size_t peak = g_peak.load(std::memory_order_relaxed);
  while (live > peak && !g_peak.compare_exchange_weak(peak, live, std::memory_order_relaxed)) {
  }
}

void Removed(void* block) {
  if (block != nullptr) g_live.fetch_sub(malloc_usable_size(block), std::memory_order_relaxed);
}

}  // namespace

namespace bench {

std::size_t LiveHeapBytes() { return g_live.load(std::memory_order_relaxed); }
std::size_t PeakHeapBytes() { return g_peak.load(std::memory_order_relaxed); }
void ResetPeakHeapBytes() { g_peak.store(LiveHeapBytes(), std::memory_order_relaxed); }

}  // namespace bench

extern "C" {

void* malloc(std::size_t size) {
  void* block = __libc_malloc(size);
  Added(block);
  return block;
}

void* calloc(std::size_t count, std::size_t size) {
  void* block = __libc_calloc(count, size);
  Added(block);
  return block;
}

void* realloc(void* block, std::size_t size) {
  const std::size_t before = block ? malloc_usable_size(block) : 0;
  void* moved = __libc_realloc(block, size);
  if (moved != nullptr || size == 0) {
    g_live.fetch_sub(before, std::memory_order_relaxed);
    Added(moved);
  }
  return moved;
}

void free(void* block) {
  Removed(block);
  __libc_free(block);
}

void* memalign(std::size_t alignment, std::size_t size) {
  void* block = __libc_memalign(alignment, size);
  Added(block);
  return block;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }

int posix_memalign(void** result, std::size_t alignment, std::size_t size) {
  void* block = memalign(alignment, size);
  if (block == nullptr) return ENOMEM;
  *result = block;
  return 0;
}

}  // extern "C"
