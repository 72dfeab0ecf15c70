#pragma once

#include "base/ByteStr.h"
#include "base/WideStr.h"

#include <cstring>

class IZD_Allocator;

// A growable run of bytes (or of 16-bit units, through the wide appends).
class CZD_GrowBuffer {
 public:
  // A step of 0 grows by a quarter of the capacity, at least 128 bytes at a time.
  explicit CZD_GrowBuffer(int step = 0, IZD_Allocator* allocator = nullptr) : m_pAllocator(allocator), m_nStep(step) {}
  CZD_GrowBuffer(const CZD_GrowBuffer&) = delete;
  CZD_GrowBuffer& operator=(const CZD_GrowBuffer&) = delete;
  ~CZD_GrowBuffer();

  // Room for `bytes` more bytes; false (and nothing changed) when memory is short.
  bool EnsureRoom(int bytes);
  bool AppendBytes(const void* bytes, int length);
  bool AppendUnit(char16_t unit) {
    if (m_nCapacity - m_nLength >= 2) {
      std::memcpy(m_pData + m_nLength, &unit, 2);
      m_nLength += 2;
      return true;
    }
    return AppendBytes(&unit, 2);
  }
  bool AppendWide(CZD_WideStrView text);
  void Clear() { m_nLength = 0; }

  const unsigned char* Data() const { return m_pData; }
  int GetLength() const { return m_nLength; }
  int GetCapacity() const { return m_nCapacity; }
  // The contents in 16-bit units (an odd last byte is left out).
  const char16_t* Units() const { return reinterpret_cast<const char16_t*>(m_pData); }
  int UnitCount() const { return m_nLength / 2; }

  CZD_ByteStr GetByteStr() const;
  CZD_WideStr GetWideStr() const;

 private:
  IZD_Allocator* m_pAllocator;
  int m_nStep;
  unsigned char* m_pData = nullptr;
  int m_nLength = 0;
  int m_nCapacity = 0;
};
