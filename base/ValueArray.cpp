#include "base/ValueArray.h"

#include "base/FatalError.h"
#include "base/MemoryManager.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {
constexpr int kLargestBytes = 0x10000000;
}

CZD_ValueArray::CZD_ValueArray(int unitSize, int growBy, IZD_Allocator* allocator)
    : m_pAllocator(allocator),
      m_nGrowBy(std::max(growBy, 0)),
      m_nUnitSize(unitSize <= 0 || unitSize > kLargestBytes ? 4 : unitSize) {}

CZD_ValueArray::~CZD_ValueArray() { ZD_Free(m_pAllocator, m_pData); }

bool CZD_ValueArray::SetSize(int size, int growBy) {
  if (growBy >= 0) {
    m_nGrowBy = growBy;
  }
  if (size <= 0 || size > kLargestBytes / m_nUnitSize) {
    ZD_Free(m_pAllocator, m_pData);
    m_pData = nullptr;
    m_nSize = 0;
    m_nCapacity = 0;
    return size == 0;
  }
  const auto unit = static_cast<std::size_t>(m_nUnitSize);
  if (m_pData == nullptr) {
    void* data = ZD_Allocate(m_pAllocator, static_cast<std::size_t>(size) * unit);
    if (data == nullptr) {
      return false;
    }
    std::memset(data, 0, static_cast<std::size_t>(size) * unit);
    m_pData = static_cast<unsigned char*>(data);
    m_nCapacity = size;
  } else if (m_nCapacity < size) {
    const int step = m_nGrowBy > 0 ? m_nGrowBy : std::clamp(m_nSize / 8, 4, 1024);
    const int capacity = std::max(m_nCapacity + std::min(step, INT_MAX - m_nCapacity), size);
    void* data = ZD_Reallocate(m_pAllocator, m_pData, static_cast<std::size_t>(capacity) * unit);
    if (data == nullptr) {
      return false;
    }
    m_pData = static_cast<unsigned char*>(data);
    std::memset(m_pData + static_cast<std::size_t>(m_nSize) * unit, 0,
                static_cast<std::size_t>(capacity - m_nSize) * unit);
    m_nCapacity = capacity;
  } else if (size > m_nSize) {
    std::memset(m_pData + static_cast<std::size_t>(m_nSize) * unit, 0, static_cast<std::size_t>(size - m_nSize) * unit);
  }
  m_nSize = size;
  return true;
}

bool CZD_ValueArray::Add(const void* unit) {
  if (m_nSize < m_nCapacity) {
    ++m_nSize;
  } else if (m_nSize == INT_MAX || !SetSize(m_nSize + 1)) {
    return false;
  }
  std::memcpy(GetPtrAt(m_nSize - 1), unit, static_cast<std::size_t>(m_nUnitSize));
  return true;
}

void* CZD_ValueArray::InsertSpaceAt(int index, int count) {
  if (index < 0 || count <= 0) {
    return nullptr;
  }
  const auto unit = static_cast<std::size_t>(m_nUnitSize);
  if (index < m_nSize) {
    const int oldSize = m_nSize;
    if (count > INT_MAX - oldSize || !SetSize(oldSize + count)) {
      return nullptr;
    }
    unsigned char* at = m_pData + static_cast<std::size_t>(index) * unit;
    std::memmove(at + static_cast<std::size_t>(count) * unit, at, static_cast<std::size_t>(oldSize - index) * unit);
    std::memset(at, 0, static_cast<std::size_t>(count) * unit);
  } else if (count > INT_MAX - index || !SetSize(index + count)) {
    return nullptr;
  }
  return m_pData + static_cast<std::size_t>(index) * unit;
}

void* CZD_ValueArray::GetAt(int index) const {
  if (index < 0 || index >= m_nSize) {
    ZD_FatalError(ZD_FatalCode::kInvalidIndex, index);
  }
  return m_pData + static_cast<std::size_t>(index) * static_cast<std::size_t>(m_nUnitSize);
}

void* CZD_ValueArray::GetPtrAt(int index) const {
  if (index < 0 || index >= m_nSize) {
    return nullptr;
  }
  return m_pData + static_cast<std::size_t>(index) * static_cast<std::size_t>(m_nUnitSize);
}
