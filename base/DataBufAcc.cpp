#include "base/DataBufAcc.h"

#include "base/MemoryManager.h"

#include <new>

CXML_DataBufAcc* CXML_DataBufAcc::Create(const unsigned char* buffer, std::uint32_t size, IZD_Allocator* allocator) {
  void* memory = ZD_Allocate(allocator, sizeof(CXML_DataBufAcc));
  return memory ? new (memory) CXML_DataBufAcc(allocator, buffer, size) : nullptr;
}

void CXML_DataBufAcc::Destroy() {
  IZD_Allocator* allocator = m_pAllocator;
  this->~CXML_DataBufAcc();
  ZD_Free(allocator, this);
}

bool CXML_DataBufAcc::NextBlock(bool restart) {
  if (restart) {
    m_position = 0;
  }
  if (m_position >= m_size) {
    return false;
  }
  m_position = m_size;
  return true;
}
