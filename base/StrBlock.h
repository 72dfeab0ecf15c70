#pragma once

#include <cstddef>

// The shared data block behind a byte or wide string: reference count, length, capacity, then
// the units and a terminating 0. A negative reference count marks a block owned by something
// else (a parsed tree): strings copy its text instead of sharing it and never free it.
template <class Unit>
struct CZD_StrBlock {
  int m_nRefs;
  int m_nLength;
  int m_nCapacity;

  Unit* Data() { return reinterpret_cast<Unit*>(this + 1); }
  const Unit* Data() const { return reinterpret_cast<const Unit*>(this + 1); }

  static constexpr std::size_t BytesFor(int units) {
    return sizeof(CZD_StrBlock) + (static_cast<std::size_t>(units) + 1) * sizeof(Unit);
  }
  // A block of `units` with count 1, length and capacity `units`, terminated; null when units <= 0
  // or memory is short.
  static CZD_StrBlock* Allocate(int units);
  // Lays a block over `memory` (BytesFor(length) bytes) holding a copy of `text`.
  static CZD_StrBlock* Place(void* memory, const Unit* text, int length, int refs);
  bool IsShareable() const { return m_nRefs >= 0; }
  void AddRef() { ++m_nRefs; }
  void Release();
};

extern template struct CZD_StrBlock<char>;
extern template struct CZD_StrBlock<char16_t>;
