#include "base/TextWriter.h"

#include <new>

namespace {

constexpr std::size_t kHeader = sizeof(CZD_StrBlock<char16_t>);

}  // namespace

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
