#pragma once

#include "base/XmlTree.h"

#include <cstddef>
#include <cstdint>

class CXML_TreeArena;

// One child of an element: a pointer to an element or to a text segment, the kind kept in the
// lowest bit (both are 8-byte aligned) so that a child costs one word.
struct CXML_ChildEntry {
  static CXML_ChildEntry Element(CXML_TreeElement* element) {
    return CXML_ChildEntry{reinterpret_cast<std::uintptr_t>(element)};
  }
  static CXML_ChildEntry Text(CXML_TextSegment* text) {
    return CXML_ChildEntry{reinterpret_cast<std::uintptr_t>(text) | 1u};
  }
  CXML_TreeElement* AsElement() const {
    return (tagged & 1u) == 0 ? reinterpret_cast<CXML_TreeElement*>(tagged) : nullptr;
  }
  const CXML_TextSegment* AsText() const {
    return (tagged & 1u) != 0 ? reinterpret_cast<const CXML_TextSegment*>(tagged & ~std::uintptr_t{1}) : nullptr;
  }
  std::uintptr_t tagged;
};

// Lives in its tree's arena with its lists and texts; nothing in it is destroyed one by one.
struct CXML_TreeElement {
  CXML_TreeElement* parent;
  CZD_ByteStr prefix;
  CZD_ByteStr name;
  const CXML_AttrEntry* attributes;
  int attributeCount;
  int childCount;
  const CXML_ChildEntry* children;
};

// The root is the one element without a parent; it is preceded by the arena of its tree.
struct CXML_TreeRoot {
  CXML_TreeArena* arena;
  CXML_TreeElement element;

  static CXML_TreeRoot* Of(CXML_TreeElement* root) {
    return reinterpret_cast<CXML_TreeRoot*>(reinterpret_cast<char*>(root) - offsetof(CXML_TreeRoot, element));
  }
};
