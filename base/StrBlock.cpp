#include "base/StrBlock.h"

#include "base/MemoryManager.h"

#include <cstring>

template <class Unit>
CZD_StrBlock<Unit>* CZD_StrBlock<Unit>::Allocate(int units) {
  if (units <= 0) {
    return nullptr;
  }
  void* memory = CZD_MemoryManager::Allocate(BytesFor(units));
  if (memory == nullptr) {
    return nullptr;
  }
  auto* block = static_cast<CZD_StrBlock*>(memory);
  block->m_nRefs = 1;
  block->m_nLength = units;
  block->m_nCapacity = units;
  block->Data()[units] = 0;
  return block;
}

template <class Unit>
CZD_StrBlock<Unit>* CZD_StrBlock<Unit>::Place(void* memory, const Unit* text, int length, int refs) {
  auto* block = static_cast<CZD_StrBlock*>(memory);
  block->m_nRefs = refs;
  block->m_nLength = length;
  block->m_nCapacity = length;
  std::memcpy(block->Data(), text, static_cast<std::size_t>(length) * sizeof(Unit));
  block->Data()[length] = 0;
  return block;
}

template <class Unit>
void CZD_StrBlock<Unit>::Release() {
  if (m_nRefs < 0) {
    return;
  }
  if (--m_nRefs == 0) {
    CZD_MemoryManager::Free(this);
  }
}

template struct CZD_StrBlock<char>;
template struct CZD_StrBlock<char16_t>;
