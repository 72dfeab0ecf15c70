#include "base/NameTable.h"

#include "base/TreeArena.h"

#include <cstring>
#include <new>

namespace {

constexpr std::size_t kPadding = 7;

// Every byte counts, so that a file of many look-alike names cannot crowd one chain; eight at a
// time, straight from the input.
std::uint32_t HashName(std::string_view name) {
  const char* bytes = name.data();
  std::size_t size = name.size();
  std::uint64_t hash = size * 0x9E3779B97F4A7C15ull;
  while (size >= 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, 8);
    hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 32;
    bytes += 8;
    size -= 8;
  }
  for (std::size_t i = 0; i < size; ++i) {
    hash = (hash ^ static_cast<unsigned char>(bytes[i])) * 0x100000001B3ull;
  }
  hash ^= hash >> 29;
  hash *= 0xC4CEB9FE1A85EC53ull;
  return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

CXML_NameTable::CXML_NameTable() : m_slots(64, Slot{0, nullptr}) {}

CXML_NameTable::~CXML_NameTable() {
  for (CZD_StrBlock<char>* block : m_blocks) {
    block->Release();
  }
}

CZD_StrBlock<char>* CXML_NameTable::Intern(std::string_view name) {
  if (name.empty()) {
    return nullptr;
  }
  const std::uint32_t hash = HashName(name);
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    Slot& slot = m_slots[i];
    if (slot.block == nullptr) {
      break;
    }
    if (slot.hash == hash && static_cast<std::size_t>(slot.block->m_nLength) == name.size() &&
        SameBytes(slot.block->Data(), name)) {
      return slot.block;
    }
  }
  if (name.size() > 0x7FFFFFF0u) {
    throw std::bad_alloc();
  }
  // Eight readable bytes past the name let the scanner compare it a word at a time.
  CZD_StrBlock<char>* block = CZD_StrBlock<char>::Allocate(static_cast<int>(name.size() + kPadding));
  if (block == nullptr) {
    throw std::bad_alloc();
  }
  std::memcpy(block->Data(), name.data(), name.size());
  std::memset(block->Data() + name.size(), 0, kPadding);
  block->m_nLength = static_cast<int>(name.size());
  m_blocks.push_back(block);
  if (m_blocks.size() * 2 > m_slots.size()) {
    Grow();
  }
  const std::size_t newMask = m_slots.size() - 1;
  std::size_t i = hash & newMask;
  while (m_slots[i].block != nullptr) {
    i = (i + 1) & newMask;
  }
  m_slots[i] = Slot{hash, block};
  return block;
}

void CXML_NameTable::Grow() {
  std::vector<Slot> slots(m_slots.size() * 2, Slot{0, nullptr});
  const std::size_t mask = slots.size() - 1;
  for (const Slot& slot : m_slots) {
    if (slot.block == nullptr) {
      continue;
    }
    std::size_t i = slot.hash & mask;
    while (slots[i].block != nullptr) {
      i = (i + 1) & mask;
    }
    slots[i] = slot;
  }
  m_slots.swap(slots);
}

bool CXML_NameTable::HandTo(CXML_TreeArena& arena) {
  if (!arena.HoldNames(m_blocks.data(), m_blocks.size())) {
    return false;
  }
  m_blocks.clear();
  m_slots.assign(m_slots.size(), Slot{0, nullptr});
  return true;
}
