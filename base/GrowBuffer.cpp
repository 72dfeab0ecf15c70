#include "base/GrowBuffer.h"

#include "base/MemoryManager.h"

#include <algorithm>
#include <climits>
#include <cstring>

CZD_GrowBuffer::~CZD_GrowBuffer() { ZD_Free(m_pAllocator, m_pData); }

bool CZD_GrowBuffer::EnsureRoom(int bytes) {
  if (bytes < 0 || bytes > INT_MAX - m_nLength) {
    return false;
  }
  const long long needed = static_cast<long long>(m_nLength) + bytes;
  if (needed <= m_nCapacity) {
    return true;
  }
  const long long step = m_nStep > 0 ? m_nStep : std::max(m_nCapacity / 4, 128);
  const long long capacity = (needed + step - 1) / step * step;
  if (capacity > INT_MAX) {
    return false;
  }
  void* data = ZD_Reallocate(m_pAllocator, m_pData, static_cast<std::size_t>(capacity));
  if (data == nullptr) {
    return false;
  }
  m_pData = static_cast<unsigned char*>(data);
  m_nCapacity = static_cast<int>(capacity);
  return true;
}

bool CZD_GrowBuffer::AppendBytes(const void* bytes, int length) {
  if (length <= 0) {
    return length == 0;
  }
  if (!EnsureRoom(length)) {
    return false;
  }
  std::memcpy(m_pData + m_nLength, bytes, static_cast<std::size_t>(length));
  m_nLength += length;
  return true;
}

bool CZD_GrowBuffer::AppendWide(CZD_WideStrView text) {
  if (text.GetLength() > INT_MAX / 2) {
    return false;
  }
  return AppendBytes(text.data(), text.GetLength() * 2);
}

CZD_ByteStr CZD_GrowBuffer::GetByteStr() const {
  return CZD_ByteStr(reinterpret_cast<const char*>(m_pData), m_nLength);
}

CZD_WideStr CZD_GrowBuffer::GetWideStr() const { return CZD_WideStr(Units(), UnitCount()); }
