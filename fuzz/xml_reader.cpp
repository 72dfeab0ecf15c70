// Parses arbitrary bytes, asks every query of every node and destroys the tree; the same bytes
// arriving one at a time must give the same tree, since the reader's shortcuts work inside a block.
#include "base/StreamRead.h"
#include "base/TreeBuilder.h"
#include "base/XmlTree.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

// Queries that names found in the tree, and a few that are not, must answer safely.
void QueryAttributes(const CXML_TreeElement* element) {
  const int count = AttributeCount(element);
  for (int i = -1; i <= count; ++i) {
    const CXML_AttrEntry* entry = AttributeAt(element, i);
    if (entry == nullptr) {
      continue;
    }
    std::string qualified(entry->name.View());
    if (!entry->prefix.IsEmpty()) {
      qualified = std::string(entry->prefix.View()) + ":" + qualified;
    }
    CZD_WideStr text;
    int number = 0;
    if (!HasAttribute(element, qualified) || !AttributeText(element, qualified, text) ||
        !AttributeInt(element, qualified, number)) {
      __builtin_trap();
    }
    CZD_WideStr copy = entry->value;
    copy += u"x";
  }
  CZD_WideStr unused;
  int number = 0;
  AttributeText(element, "Text", unused);
  AttributeInt(element, "x:", number);
  HasAttribute(element, ":");
}

class OneByteBlocks final : public IZD_BufferRead {
 public:
  OneByteBlocks(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  void Destroy() override {}
  bool AtEnd() const override { return m_next >= m_size; }
  std::uint64_t Position() const override { return m_next; }
  std::size_t ReadBytes(void*, std::size_t) override { return 0; }
  bool NextBlock(bool restart) override {
    if (restart) {
      m_next = 0;
    }
    if (m_next >= m_size) {
      return false;
    }
    m_block = m_next++;
    return true;
  }
  const unsigned char* BlockData() const override { return m_data + m_block; }
  std::size_t BlockLength() const override { return 1; }
  std::uint64_t BlockStart() const override { return m_block; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_next = 0;
  std::size_t m_block = 0;
};

bool SameNode(const CXML_TreeElement* a, const CXML_TreeElement* b) {
  if (TagName(a, true).View() != TagName(b, true).View() || AttributeCount(a) != AttributeCount(b) ||
      ChildCount(a) != ChildCount(b)) {
    return false;
  }
  for (int i = 0; i < AttributeCount(a); ++i) {
    const CXML_AttrEntry* x = AttributeAt(a, i);
    const CXML_AttrEntry* y = AttributeAt(b, i);
    if (x->prefix.View() != y->prefix.View() || x->name.View() != y->name.View() ||
        x->value.View() != y->value.View()) {
      return false;
    }
  }
  return true;
}

// Compares two trees without recursion: inputs may nest deeper than the stack allows.
bool SameTree(const CXML_TreeElement* a, const CXML_TreeElement* b) {
  if ((a == nullptr) != (b == nullptr)) {
    return false;
  }
  std::vector<std::pair<const CXML_TreeElement*, const CXML_TreeElement*>> pending;
  if (a != nullptr) {
    pending.emplace_back(a, b);
  }
  while (!pending.empty()) {
    const auto [x, y] = pending.back();
    pending.pop_back();
    if (!SameNode(x, y)) {
      return false;
    }
    for (int i = 0; i < ChildCount(x); ++i) {
      const CXML_TextSegment* tx = ChildText(x, i);
      const CXML_TextSegment* ty = ChildText(y, i);
      if ((tx == nullptr) != (ty == nullptr) ||
          (tx != nullptr && (tx->cdata != ty->cdata || tx->text.View() != ty->text.View()))) {
        return false;
      }
      const CXML_TreeElement* cx = ChildElement(x, i);
      const CXML_TreeElement* cy = ChildElement(y, i);
      if ((cx == nullptr) != (cy == nullptr)) {
        return false;
      }
      if (cx != nullptr) {
        pending.emplace_back(cx, cy);
      }
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::uint64_t parsed = 0;
  CXML_TreeElement* root = ParseDocument(data, size, size % 2 == 1, &parsed);
  if (parsed > size) {
    __builtin_trap();
  }
  std::vector<const CXML_TreeElement*> pending;
  if (root) {
    pending.push_back(root);
  }
  while (!pending.empty()) {
    const CXML_TreeElement* element = pending.back();
    pending.pop_back();
    CZD_ByteStr name = TagName(element, true);
    name += TagPrefix(element);
    QueryAttributes(element);
    const int count = ChildCount(element);
    for (int i = -1; i <= count; ++i) {
      const CXML_TreeElement* child = ChildElement(element, i);
      const CXML_TextSegment* text = ChildText(element, i);
      if (child && text) {
        __builtin_trap();
      }
      if (child) {
        if (ParentElement(child) != element) {
          __builtin_trap();
        }
        pending.push_back(child);
      } else if (text && text->text.IsEmpty()) {
        __builtin_trap();
      }
    }
  }
  OneByteBlocks blocks(data, size);
  CXML_TreeElement* pieces = ParseFromReader(blocks, size % 2 == 1, nullptr, nullptr);
  if (!SameTree(root, pieces)) {
    __builtin_trap();
  }
  DestroyTree(pieces);
  DestroyTree(root);
  return 0;
}
