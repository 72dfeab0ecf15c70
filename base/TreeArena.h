#pragma once

#include "base/StrBlock.h"

#include <cstddef>

class IZD_Allocator;

// The memory of one parsed tree: elements, lists and texts are carved out of large chunks, and
// the tree goes in one sweep. Names are shared blocks of which the arena holds one reference each.
class CXML_TreeArena {
  static constexpr std::size_t kAlignment = 8;

 public:
  // Null when memory is short.
  static CXML_TreeArena* Create(IZD_Allocator* allocator);
  void Destroy();

  // 8-byte aligned memory for the tree's lifetime; null when memory is short.
  void* Allocate(std::size_t size) {
    size = (size + kAlignment - 1) & ~(kAlignment - 1);
    if (size <= static_cast<std::size_t>(m_pEnd - m_pCursor)) {
      void* result = m_pCursor;
      m_pCursor += size;
      return result;
    }
    return AllocateChunk(size);
  }
  // Keeps one reference to `names` until the arena goes.
  bool HoldNames(CZD_StrBlock<char>* const* names, std::size_t count);

  // A text is written into the free space before its length is known, then committed; nothing
  // else may be allocated meanwhile.
  char* FreeStart() const { return m_pCursor; }
  char* FreeEnd() const { return m_pEnd; }
  // Makes the free space at least `size` bytes, keeping the first `used` bytes written there
  // (they may move); false when memory is short.
  bool Reserve(std::size_t used, std::size_t size) {
    // Before the first chunk both ends are null: only an empty request needs telling apart.
    return (size <= static_cast<std::size_t>(m_pEnd - m_pCursor) && size != 0) || Move(used, size);
  }
  // Marks the first `size` bytes of the free space as taken.
  void Commit(std::size_t size) { m_pCursor += (size + kAlignment - 1) & ~(kAlignment - 1); }

 private:
  struct Chunk {
    Chunk* next;
    std::size_t size;
  };

  explicit CXML_TreeArena(IZD_Allocator* allocator) : m_pAllocator(allocator) {}
  void* AllocateChunk(std::size_t size);
  bool Move(std::size_t used, std::size_t size);
  static char* DataOf(Chunk* chunk) { return reinterpret_cast<char*>(chunk + 1); }

  IZD_Allocator* m_pAllocator;
  // The chunk being filled, when there is one, is the first of the list.
  Chunk* m_pChunks = nullptr;
  char* m_pCursor = nullptr;
  char* m_pEnd = nullptr;
  std::size_t m_nNextChunk = 16 * 1024;
  CZD_StrBlock<char>* const* m_ppNames = nullptr;
  std::size_t m_nNames = 0;
};
