#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Finds in constant time, among the attributes of the tag being read, the entry that a repeated
// attribute replaces: the first one with its name whose prefix matches (any prefix when the new
// one has none). Names and prefixes are interned, so their blocks stand for them.
class CXML_AttributeIndex {
 public:
  // Forgets every entry.
  void Clear();
  // The position of the entry `name` with `prefix` (null: none) replaces, or -1.
  std::ptrdiff_t Find(const void* name, const void* prefix) const;
  // Records that the entry at `position` has `name` and `prefix`; earlier entries win.
  void Add(const void* name, const void* prefix, std::size_t position);

 private:
  struct Slot {
    const void* name;
    const void* prefix;
    std::size_t position;
    std::uint32_t generation;
  };
  std::size_t Locate(const void* name, const void* prefix) const;
  void Insert(const void* name, const void* prefix, std::size_t position);
  void Grow();

  std::vector<Slot> m_slots;
  std::size_t m_nUsed = 0;
  std::uint32_t m_nGeneration = 1;
};
