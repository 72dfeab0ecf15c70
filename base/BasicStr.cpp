#include "base/BasicStr.h"

#include "base/ByteStr.h"
#include "base/WideStr.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

template <class Unit>
void CopyUnits(Unit* to, const Unit* from, int count) {
  if (count > 0) {
    std::memmove(to, from, static_cast<std::size_t>(count) * sizeof(Unit));
  }
}

}  // namespace

template <class Unit, class Derived>
const Unit* CZD_BasicStr<Unit, Derived>::EmptyText() {
  static const Unit kEmpty[1] = {0};
  return kEmpty;
}

template <class Unit, class Derived>
void CZD_BasicStr<Unit, Derived>::ReleaseBlock() {
  if (m_pData) {
    m_pData->Release();
    m_pData = nullptr;
  }
}

template <class Unit, class Derived>
void CZD_BasicStr<Unit, Derived>::Assign(CZD_StrView<Unit> text) {
  // The new block is filled before the old one goes, as `text` may lie inside it.
  Block* block = Block::Allocate(text.GetLength());
  if (block) {
    CopyUnits(block->Data(), text.data(), text.GetLength());
  }
  ReleaseBlock();
  m_pData = block;
}

template <class Unit, class Derived>
void CZD_BasicStr<Unit, Derived>::ShareOrCopy(Block* block) {
  if (block == nullptr) {
    m_pData = nullptr;
  } else if (block->IsShareable()) {
    block->AddRef();
    m_pData = block;
  } else {
    m_pData = nullptr;
    Assign(CZD_StrView<Unit>(block->Data(), block->m_nLength));
  }
}

template <class Unit, class Derived>
CZD_BasicStr<Unit, Derived>& CZD_BasicStr<Unit, Derived>::operator=(const CZD_BasicStr& other) {
  if (other.m_pData != m_pData) {
    Block* old = m_pData;
    ShareOrCopy(other.m_pData);
    if (old) {
      old->Release();
    }
  }
  return *this;
}

template <class Unit, class Derived>
CZD_BasicStr<Unit, Derived>& CZD_BasicStr<Unit, Derived>::operator=(CZD_BasicStr&& other) noexcept {
  if (this != &other) {
    ReleaseBlock();
    m_pData = other.m_pData;
    other.m_pData = nullptr;
  }
  return *this;
}

template <class Unit, class Derived>
CZD_BasicStr<Unit, Derived>& CZD_BasicStr<Unit, Derived>::operator=(CZD_StrView<Unit> text) {
  Assign(text);
  return *this;
}

template <class Unit, class Derived>
bool CZD_BasicStr<Unit, Derived>::MakeUnique() {
  if (m_pData == nullptr || m_pData->m_nRefs == 1) {
    return true;
  }
  Block* block = Block::Allocate(m_pData->m_nLength);
  if (block == nullptr) {
    return false;
  }
  CopyUnits(block->Data(), m_pData->Data(), m_pData->m_nLength);
  ReleaseBlock();
  m_pData = block;
  return true;
}

template <class Unit, class Derived>
Derived& CZD_BasicStr<Unit, Derived>::Append(CZD_StrView<Unit> text) {
  const int added = text.GetLength();
  const int length = GetLength();
  if (added == 0 || added > INT_MAX - length) {
    return static_cast<Derived&>(*this);
  }
  if (m_pData && m_pData->m_nRefs == 1 && m_pData->m_nCapacity >= length + added) {
    CopyUnits(m_pData->Data() + length, text.data(), added);
    m_pData->m_nLength = length + added;
    m_pData->Data()[length + added] = 0;
    return static_cast<Derived&>(*this);
  }
  Block* block = Block::Allocate(length + added);
  if (block) {
    CopyUnits(block->Data(), c_str(), length);
    CopyUnits(block->Data() + length, text.data(), added);
    ReleaseBlock();
    m_pData = block;
  }
  return static_cast<Derived&>(*this);
}

template <class Unit, class Derived>
int CZD_BasicStr<Unit, Derived>::Find(CZD_StrView<Unit> text, int start) const {
  const int length = GetLength();
  start = std::max(start, 0);
  if (length == 0 || start >= length) {
    return -1;
  }
  const auto found = View().find(text.View(), static_cast<std::size_t>(start));
  return found == View_t::npos ? -1 : static_cast<int>(found);
}

template <class Unit, class Derived>
int CZD_BasicStr<Unit, Derived>::Find(Unit unit, int start) const {
  return Find(CZD_StrView<Unit>(&unit, 1), start);
}

template <class Unit, class Derived>
int CZD_BasicStr<Unit, Derived>::Delete(int index, int count) {
  const int length = GetLength();
  index = std::max(index, 0);
  if (count <= 0 || index >= length || !MakeUnique()) {
    return length;
  }
  const int removed = std::min(count, length - index);
  Unit* data = m_pData->Data();
  CopyUnits(data + index, data + index + removed, length - index - removed);
  m_pData->m_nLength = length - removed;
  data[length - removed] = 0;
  return length - removed;
}

template <class Unit, class Derived>
Derived CZD_BasicStr<Unit, Derived>::Left(int count) const {
  if (count >= GetLength()) {
    return static_cast<const Derived&>(*this);
  }
  return Derived(CZD_StrView<Unit>(c_str(), std::max(count, 0)));
}

template <class Unit, class Derived>
Derived CZD_BasicStr<Unit, Derived>::Right(int count) const {
  const int length = GetLength();
  if (count >= length) {
    return static_cast<const Derived&>(*this);
  }
  count = std::max(count, 0);
  return Derived(CZD_StrView<Unit>(c_str() + length - count, count));
}

template <class Unit, class Derived>
void CZD_BasicStr<Unit, Derived>::SetAt(int index, Unit unit) {
  if (index >= 0 && index < GetLength() && MakeUnique()) {
    m_pData->Data()[index] = unit;
  }
}

template <class Unit, class Derived>
Unit* CZD_BasicStr<Unit, Derived>::GetBuffer(int units) {
  if (m_pData && m_pData->m_nRefs == 1 && m_pData->m_nCapacity >= units) {
    return m_pData->Data();
  }
  const int length = GetLength();
  Block* block = Block::Allocate(std::max(units, length));
  if (block == nullptr) {
    return nullptr;
  }
  CopyUnits(block->Data(), c_str(), length);
  block->m_nLength = length;
  block->Data()[length] = 0;
  ReleaseBlock();
  m_pData = block;
  return block->Data();
}

template <class Unit, class Derived>
void CZD_BasicStr<Unit, Derived>::ReleaseBuffer(int length) {
  if (m_pData == nullptr || !MakeUnique()) {
    return;
  }
  const int capacity = m_pData->m_nCapacity;
  if (length < 0) {
    const Unit* data = m_pData->Data();
    length = static_cast<int>(std::find(data, data + capacity, Unit(0)) - data);
  }
  length = std::min(length, capacity);
  if (length == 0) {
    ReleaseBlock();
    return;
  }
  m_pData->m_nLength = length;
  m_pData->Data()[length] = 0;
}

template class CZD_BasicStr<char, CZD_ByteStr>;
template class CZD_BasicStr<char16_t, CZD_WideStr>;
