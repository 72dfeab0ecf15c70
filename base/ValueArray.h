#pragma once

class IZD_Allocator;

// A growable array of fixed-size units, zero-filled as it grows.
class CZD_ValueArray {
 public:
  // A unit size above 0x10000000 is taken as 4. A grow-by of 0 grows by size / 8, kept within
  // 4 ... 1024 units.
  explicit CZD_ValueArray(int unitSize, int growBy = 0, IZD_Allocator* allocator = nullptr);
  CZD_ValueArray(const CZD_ValueArray&) = delete;
  CZD_ValueArray& operator=(const CZD_ValueArray&) = delete;
  ~CZD_ValueArray();

  // A negative `growBy` keeps the current one. False (and the array emptied) for a bad size.
  bool SetSize(int size, int growBy = -1);
  // Copies one unit to the end.
  bool Add(const void* unit);
  // Room for `count` units at `index`, the units there moved up; null on failure.
  void* InsertSpaceAt(int index, int count);
  // Aborts the process on an index outside 0 ... size-1.
  void* GetAt(int index) const;
  // Null on an index outside 0 ... size-1.
  void* GetPtrAt(int index) const;
  void RemoveAll() { SetSize(0); }

  int GetSize() const { return m_nSize; }
  int GetCapacity() const { return m_nCapacity; }
  int GetUnitSize() const { return m_nUnitSize; }

 private:
  IZD_Allocator* m_pAllocator;
  unsigned char* m_pData = nullptr;
  int m_nSize = 0;
  int m_nCapacity = 0;
  int m_nGrowBy;
  int m_nUnitSize;
};
