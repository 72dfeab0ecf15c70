// Parses arbitrary bytes, asks every query of every node and destroys the tree.
#include "base/XmlTree.h"

#include <cstddef>
#include <cstdint>
#include <string>
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
  DestroyTree(root);
  return 0;
}
