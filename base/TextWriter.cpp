#include "base/TextWriter.h"

#include <new>

namespace {

constexpr std::size_t kHeader = sizeof(CZD_StrBlock<char16_t>);
constexpr std::size_t kFirstRoom = 256;

}  // namespace

void CXML_TextWriter::OpenAt(CXML_TreeArena& arena) {
  if (!arena.Reserve(0, kHeader + 2 * kSlack + kFirstRoom)) {
    throw std::bad_alloc();
  }
  m_pArena = &arena;
  m_pUnits = reinterpret_cast<char16_t*>(arena.FreeStart() + kHeader);
  m_pOut = m_pUnits;
  m_pEnd = reinterpret_cast<char16_t*>(arena.FreeEnd()) - 1;
  m_sequence.pending = 0;
}

void CXML_TextWriter::Grow(std::size_t units) {
  const std::size_t length = Length();
  if (length > m_nMaxUnits) {
    throw TooLong{};
  }
  const std::size_t used = kHeader + 2 * length;
  // Doubling keeps the copies of a long text linear in its length.
  const std::size_t wanted = used + 2 * (units + 1);
  if (!m_pArena->Reserve(used, wanted > 2 * used ? wanted : 2 * used)) {
    throw std::bad_alloc();
  }
  m_pUnits = reinterpret_cast<char16_t*>(m_pArena->FreeStart() + kHeader);
  m_pOut = m_pUnits + length;
  m_pEnd = reinterpret_cast<char16_t*>(m_pArena->FreeEnd()) - 1;
}

CXML_TextWriter::TextBlock* CXML_TextWriter::Commit(std::size_t length) {
  CXML_TreeArena* arena = m_pArena;
  m_pArena = nullptr;
  if (length == 0) {
    return nullptr;
  }
  if (length > m_nMaxUnits) {
    throw TooLong{};
  }
  // Marked as not shareable: a copy taken out of the tree gets a block of its own.
  auto* block = reinterpret_cast<TextBlock*>(arena->FreeStart());
  block->m_nRefs = -1;
  block->m_nLength = static_cast<int>(length);
  block->m_nCapacity = static_cast<int>(length);
  block->Data()[length] = 0;
  arena->Commit(TextBlock::BytesFor(static_cast<int>(length)));
  return block;
}
