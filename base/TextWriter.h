#pragma once

#include "base/StrBlock.h"
#include "base/TreeArena.h"
#include "base/Utf8Reader.h"

#include <cstddef>
#include <cstdint>
#include <new>

// Decodes one text or attribute value straight into the free space of the tree's arena, as a
// string block whose length is set when the text is committed. Only one text is open at a time,
// and nothing else is allocated from the arena while it is.
class CXML_TextWriter {
 public:
  using TextBlock = CZD_StrBlock<char16_t>;
  // Units that may be written past the text's end (a widened run is stored 16 units at a time).
  static constexpr std::size_t kSlack = 32;

  // Thrown when a text would have more units than a string holds.
  struct TooLong {};

  explicit CXML_TextWriter(std::size_t maxUnits) : m_nMaxUnits(maxUnits) {}

  // Opens an empty text in `arena`, unless one is open already.
  void Open(CXML_TreeArena& arena) {
    if (m_pArena != nullptr) {
      return;
    }
    if (!arena.Reserve(0, kOpenRoom)) {
      throw std::bad_alloc();
    }
    m_pArena = &arena;
    m_pUnits = reinterpret_cast<char16_t*>(arena.FreeStart() + sizeof(TextBlock));
    m_pOut = m_pUnits;
    m_pEnd = reinterpret_cast<char16_t*>(arena.FreeEnd()) - 1;
    m_sequence.pending = 0;
  }
  bool IsOpen() const { return m_pArena != nullptr; }

  // Room for `units` more units (plus kSlack) at Out(); throws when memory is short or the text
  // grows too long.
  char16_t* Room(std::size_t units) {
    if (static_cast<std::size_t>(m_pEnd - m_pOut) < units + kSlack) {
      Grow(units + kSlack);
    }
    return m_pOut;
  }
  char16_t* Out() const { return m_pOut; }
  // Takes the units written at Out() (after Room) into the text.
  void Advance(std::size_t units) { m_pOut += units; }

  // A byte from 0x80 up, through the UTF-8 decoder.
  void InputHigh(unsigned char byte) {
    std::uint32_t codePoint = 0;
    if (m_sequence.InputHigh(byte, codePoint)) {
      AppendCodePoint(codePoint);
    }
  }
  void AppendCodePoint(std::uint32_t codePoint) { Advance(EncodeUtf16(codePoint, Room(2))); }
  void CancelSequence() { m_sequence.pending = 0; }

  std::size_t Length() const { return static_cast<std::size_t>(m_pOut - m_pUnits); }
  const char16_t* Units() const { return m_pUnits; }
  // Drops the text written so far; the text stays open.
  void Discard() {
    m_pOut = m_pUnits;
    m_sequence.pending = 0;
  }
  // Closes the text with its first `length` units as a block in the arena (null for none).
  TextBlock* Commit(std::size_t length) {
    CXML_TreeArena* arena = m_pArena;
    m_pArena = nullptr;
    return Seal(*arena, length);
  }

  // A short text is written whole, without opening one: kShortUnits units at ShortRoom, of
  // which CommitShort takes the first `length` (less than kShortUnits). No text may be open.
  static constexpr std::size_t kShortUnits = 16;
  static char16_t* ShortRoom(CXML_TreeArena& arena) {
    if (!arena.Reserve(0, sizeof(TextBlock) + 2 * kShortUnits)) {
      throw std::bad_alloc();
    }
    return reinterpret_cast<char16_t*>(arena.FreeStart() + sizeof(TextBlock));
  }
  TextBlock* CommitShort(CXML_TreeArena& arena, std::size_t length) const { return Seal(arena, length); }

 private:
  TextBlock* Seal(CXML_TreeArena& arena, std::size_t length) const {
    if (length == 0) {
      return nullptr;
    }
    if (length > m_nMaxUnits) {
      throw TooLong{};
    }
    // Marked as not shareable: a copy taken out of the tree gets a block of its own.
    auto* block = reinterpret_cast<TextBlock*>(arena.FreeStart());
    block->m_nRefs = -1;
    block->m_nLength = static_cast<int>(length);
    block->m_nCapacity = static_cast<int>(length);
    block->Data()[length] = 0;
    arena.Commit(TextBlock::BytesFor(static_cast<int>(length)));
    return block;
  }

  static constexpr std::size_t kOpenRoom = sizeof(TextBlock) + 2 * kSlack + 256;

  void Grow(std::size_t units);

  std::size_t m_nMaxUnits;
  CXML_TreeArena* m_pArena = nullptr;
  char16_t* m_pUnits = nullptr;
  char16_t* m_pOut = nullptr;
  // The last unit position before the terminator's place at the end of the free space.
  char16_t* m_pEnd = nullptr;
  CZD_Utf8Sequence m_sequence;
};
