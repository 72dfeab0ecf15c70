#pragma once

#include "base/StrBlock.h"
#include "base/StrView.h"

#include <string_view>

// What the byte and wide strings share: one pointer to a reference-counted block (null is the
// empty string), copies that share the block, and copy-on-write for every change.
template <class Unit, class Derived>
class CZD_BasicStr {
 public:
  using Block = CZD_StrBlock<Unit>;
  using View_t = std::basic_string_view<Unit>;

  CZD_BasicStr() = default;
  // A length of -1 takes the text up to its terminator; 0 gives the empty string.
  CZD_BasicStr(const Unit* text, int length = -1) { Assign(CZD_StrView<Unit>(text, length)); }
  CZD_BasicStr(CZD_StrView<Unit> text) { Assign(text); }
  CZD_BasicStr(View_t text) { Assign(CZD_StrView<Unit>(text)); }
  CZD_BasicStr(const CZD_BasicStr& other) { ShareOrCopy(other.m_pData); }
  CZD_BasicStr(CZD_BasicStr&& other) noexcept : m_pData(other.m_pData) { other.m_pData = nullptr; }
  ~CZD_BasicStr() { ReleaseBlock(); }

  CZD_BasicStr& operator=(const CZD_BasicStr& other);
  CZD_BasicStr& operator=(CZD_BasicStr&& other) noexcept;
  CZD_BasicStr& operator=(CZD_StrView<Unit> text);

  // Takes over one reference to `block` (which may be null).
  static Derived AdoptBlock(Block* block) {
    Derived result;
    result.m_pData = block;
    return result;
  }
  Block* GetBlock() const { return m_pData; }

  int GetLength() const { return m_pData ? m_pData->m_nLength : 0; }
  bool IsEmpty() const { return GetLength() == 0; }
  const Unit* c_str() const { return m_pData ? m_pData->Data() : EmptyText(); }
  View_t View() const { return m_pData ? View_t(m_pData->Data(), m_pData->m_nLength) : View_t(); }
  operator CZD_StrView<Unit>() const { return CZD_StrView<Unit>(View()); }
  Unit operator[](int index) const { return c_str()[index]; }

  bool operator==(CZD_StrView<Unit> text) const { return View() == text.View(); }

  // In place when the block is unshared and roomy enough, else into a block of exactly the new length.
  Derived& Append(CZD_StrView<Unit> text);
  Derived& operator+=(CZD_StrView<Unit> text) { return Append(text); }
  Derived& operator+=(Unit unit) { return Append(CZD_StrView<Unit>(&unit, 1)); }

  // Index of the first occurrence at or after `start`, or -1.
  int Find(CZD_StrView<Unit> text, int start = 0) const;
  int Find(Unit unit, int start = 0) const;

  // Removes up to `count` units at `index` (a negative index counts as 0); returns the new length.
  int Delete(int index, int count = 1);
  Derived Left(int count) const;
  Derived Right(int count) const;
  void SetAt(int index, Unit unit);

  // A writable buffer of at least `units` units; ReleaseBuffer sets the new length (-1: up to
  // the first 0).
  Unit* GetBuffer(int units);
  void ReleaseBuffer(int length = -1);

 private:
  static const Unit* EmptyText();
  void Assign(CZD_StrView<Unit> text);
  void ShareOrCopy(Block* block);
  void ReleaseBlock();
  // Makes the block unshared and owned by this string, keeping the text.
  bool MakeUnique();

  Block* m_pData = nullptr;
};
