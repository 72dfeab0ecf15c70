#pragma once

#include "base/StrBlock.h"

#include <cstdint>
#include <string_view>
#include <vector>

class CXML_TreeArena;

// One shared block per distinct name of a document, so that a name repeated a million times is
// stored once. The table holds one reference to each block until it hands them to a tree.
class CXML_NameTable {
 public:
  CXML_NameTable();
  CXML_NameTable(const CXML_NameTable&) = delete;
  CXML_NameTable& operator=(const CXML_NameTable&) = delete;
  ~CXML_NameTable();

  // The block of `name`; null for the empty name. Throws std::bad_alloc when memory is short.
  // Every block is readable (and zero) for 8 bytes past the name.
  CZD_StrBlock<char>* Intern(std::string_view name);
  // The same, but first tries `guess` (a block of this table, or null): documents repeat the
  // same tags and attributes in the same order, so the guess from the last tag is mostly right.
  CZD_StrBlock<char>* Intern(std::string_view name, CZD_StrBlock<char>* guess) {
    if (guess && static_cast<std::size_t>(guess->m_nLength) == name.size() && SameBytes(guess->Data(), name)) {
      return guess;
    }
    return Intern(name);
  }
  // Gives the arena the table's references; false when memory is short.
  bool HandTo(CXML_TreeArena& arena);

 private:
  static bool SameBytes(const char* bytes, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
      if (bytes[i] != name[i]) {
        return false;
      }
    }
    return true;
  }
  struct Slot {
    std::uint32_t hash;
    CZD_StrBlock<char>* block;
  };
  void Grow();

  std::vector<Slot> m_slots;
  std::vector<CZD_StrBlock<char>*> m_blocks;
};
