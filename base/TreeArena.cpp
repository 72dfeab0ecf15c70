#include "base/TreeArena.h"

#include "base/MemoryManager.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {
constexpr std::size_t kLargestChunk = 1024 * 1024;
}  // namespace

CXML_TreeArena* CXML_TreeArena::Create(IZD_Allocator* allocator) {
  void* memory = ZD_Allocate(allocator, sizeof(CXML_TreeArena));
  return memory ? new (memory) CXML_TreeArena(allocator) : nullptr;
}

void CXML_TreeArena::Destroy() {
  for (std::size_t i = 0; i < m_nNames; ++i) {
    m_ppNames[i]->Release();
  }
  IZD_Allocator* allocator = m_pAllocator;
  Chunk* chunk = m_pChunks;
  while (chunk) {
    Chunk* next = chunk->next;
    ZD_Free(allocator, chunk);
    chunk = next;
  }
  this->~CXML_TreeArena();
  ZD_Free(allocator, this);
}

void* CXML_TreeArena::AllocateChunk(std::size_t size) {
  // Large requests get a chunk of their own so that the current one keeps its free space.
  const bool alone = size > m_nNextChunk / 4;
  const std::size_t chunkSize = alone ? size : m_nNextChunk;
  if (chunkSize > static_cast<std::size_t>(-1) - sizeof(Chunk)) {
    return nullptr;
  }
  auto* chunk = static_cast<Chunk*>(ZD_Allocate(m_pAllocator, sizeof(Chunk) + chunkSize));
  if (chunk == nullptr) {
    return nullptr;
  }
  chunk->size = chunkSize;
  if (alone && m_pCursor != nullptr) {
    // Behind the current chunk, which stays first.
    chunk->next = m_pChunks->next;
    m_pChunks->next = chunk;
    return DataOf(chunk);
  }
  chunk->next = m_pChunks;
  m_pChunks = chunk;
  if (alone) {
    return DataOf(chunk);
  }
  m_pCursor = DataOf(chunk) + size;
  m_pEnd = DataOf(chunk) + chunkSize;
  m_nNextChunk = std::min(m_nNextChunk * 2, kLargestChunk);
  return DataOf(chunk);
}

bool CXML_TreeArena::Move(std::size_t used, std::size_t size) {
  if (size > static_cast<std::size_t>(-1) / 2 - sizeof(Chunk)) {
    return false;
  }
  if (m_pCursor != nullptr && m_pCursor == DataOf(m_pChunks)) {
    // The text fills the current chunk from its start: grow the chunk itself.
    const std::size_t chunkSize = std::max(size, m_pChunks->size * 2);
    auto* chunk = static_cast<Chunk*>(ZD_Reallocate(m_pAllocator, m_pChunks, sizeof(Chunk) + chunkSize));
    if (chunk == nullptr) {
      return false;
    }
    chunk->size = chunkSize;
    m_pChunks = chunk;
  } else {
    const std::size_t chunkSize = std::max(size, m_nNextChunk);
    auto* chunk = static_cast<Chunk*>(ZD_Allocate(m_pAllocator, sizeof(Chunk) + chunkSize));
    if (chunk == nullptr) {
      return false;
    }
    if (used > 0) {
      std::memcpy(DataOf(chunk), m_pCursor, used);
    }
    chunk->size = chunkSize;
    chunk->next = m_pChunks;
    m_pChunks = chunk;
    m_nNextChunk = std::min(m_nNextChunk * 2, kLargestChunk);
  }
  m_pCursor = DataOf(m_pChunks);
  m_pEnd = m_pCursor + m_pChunks->size;
  return true;
}

bool CXML_TreeArena::HoldNames(CZD_StrBlock<char>* const* names, std::size_t count) {
  if (count == 0) {
    return true;
  }
  if (count > static_cast<std::size_t>(-1) / sizeof(*names)) {
    return false;
  }
  auto* held = static_cast<CZD_StrBlock<char>**>(Allocate(count * sizeof(*names)));
  if (held == nullptr) {
    return false;
  }
  std::memcpy(held, names, count * sizeof(*names));
  m_ppNames = held;
  m_nNames = count;
  return true;
}
