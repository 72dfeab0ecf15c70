#pragma once

#include "base/XmlTree.h"

class CXML_TreeArena;

// One child of an element: an element (kind 1) or a text segment (kind 2).
struct CXML_ChildEntry {
  static constexpr int kElement = 1;
  static constexpr int kText = 2;
  int kind;
  void* child;
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
  // Set on the root only: the arena the whole tree lives in.
  CXML_TreeArena* arena;
};
