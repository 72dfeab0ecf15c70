#include "base/AttributeIndex.h"

namespace {

// Stands for "any prefix": the key under which the first entry of each name is found.
const char kAnyPrefix = 0;

std::size_t Hash(const void* name, const void* prefix) {
  const auto a = reinterpret_cast<std::uintptr_t>(name);
  const auto b = reinterpret_cast<std::uintptr_t>(prefix);
  std::uint64_t hash = (a ^ (b * 0x9E3779B97F4A7C15ull)) * 0xFF51AFD7ED558CCDull;
  return static_cast<std::size_t>(hash ^ (hash >> 29));
}

}  // namespace

void CXML_AttributeIndex::Clear() {
  m_nUsed = 0;
  if (++m_nGeneration == 0) {
    // The stamps wrapped around: old slots could pass for current ones.
    for (Slot& slot : m_slots) {
      slot.generation = 0;
    }
    m_nGeneration = 1;
  }
}

std::size_t CXML_AttributeIndex::Locate(const void* name, const void* prefix) const {
  const std::size_t mask = m_slots.size() - 1;
  std::size_t i = Hash(name, prefix) & mask;
  while (m_slots[i].generation == m_nGeneration && (m_slots[i].name != name || m_slots[i].prefix != prefix)) {
    i = (i + 1) & mask;
  }
  return i;
}

std::ptrdiff_t CXML_AttributeIndex::Find(const void* name, const void* prefix) const {
  if (m_slots.empty()) {
    return -1;
  }
  const Slot& slot = m_slots[Locate(name, prefix ? prefix : &kAnyPrefix)];
  return slot.generation == m_nGeneration ? static_cast<std::ptrdiff_t>(slot.position) : -1;
}

void CXML_AttributeIndex::Add(const void* name, const void* prefix, std::size_t position) {
  Insert(name, &kAnyPrefix, position);
  if (prefix) {
    Insert(name, prefix, position);
  }
}

void CXML_AttributeIndex::Insert(const void* name, const void* prefix, std::size_t position) {
  if ((m_nUsed + 1) * 2 > m_slots.size()) {
    Grow();
  }
  Slot& slot = m_slots[Locate(name, prefix)];
  if (slot.generation != m_nGeneration) {
    slot = Slot{name, prefix, position, m_nGeneration};
    ++m_nUsed;
  }
}

void CXML_AttributeIndex::Grow() {
  std::vector<Slot> old(m_slots.size() < 16 ? 32 : m_slots.size() * 2, Slot{nullptr, nullptr, 0, 0});
  old.swap(m_slots);
  const std::uint32_t generation = m_nGeneration;
  m_nGeneration = 1;
  m_nUsed = 0;
  for (const Slot& slot : old) {
    if (slot.generation == generation) {
      m_slots[Locate(slot.name, slot.prefix)] = Slot{slot.name, slot.prefix, slot.position, 1};
      ++m_nUsed;
    }
  }
}
