#pragma once

#include "base/ByteStr.h"
#include "base/WideStr.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class IZD_Allocator;

struct CXML_AttrEntry {
  CZD_ByteStr prefix;
  CZD_ByteStr name;
  CZD_WideStr value;
};

struct CXML_TextSegment {
  int cdata;
  CZD_WideStr text;
};

// A node of a read-only element tree. The strings inside a tree live as long as the tree;
// copying one out gives a string of its own.
struct CXML_TreeElement;

// Parses one element, the root, from a UTF-8 buffer; null when no element results or the
// input is larger than 4 GiB - 1. `parsedSize` receives the offset where parsing stopped.
CXML_TreeElement* ParseDocument(const unsigned char* buffer, std::size_t size, bool keepSpaces = false,
                                std::uint64_t* parsedSize = nullptr, IZD_Allocator* allocator = nullptr);

// Frees a whole tree given its root; null is a no-op. An inner element belongs to its root and
// goes with it, so for one of those this does nothing.
void DestroyTree(CXML_TreeElement* element);

// Every query accepts null and then answers 0, null or false.
CXML_TreeElement* ParentElement(const CXML_TreeElement* element);
// Child elements and text segments together, in document order.
int ChildCount(const CXML_TreeElement* element);
// Null when the index is out of range or the child there is a text segment.
CXML_TreeElement* ChildElement(const CXML_TreeElement* element, int index);
// Null when the index is out of range or the child there is an element.
const CXML_TextSegment* ChildText(const CXML_TreeElement* element, int index);

// The name without prefix, or with `qualified` and a prefix, "prefix:name".
CZD_ByteStr TagName(const CXML_TreeElement* element, bool qualified = false);
CZD_ByteStr TagPrefix(const CXML_TreeElement* element);

// `qualifiedName` is split at its first ':'; the name must equal an entry's name and the prefix,
// when given, its prefix (both case-sensitive). The first match in document order counts.
bool HasAttribute(const CXML_TreeElement* element, std::string_view qualifiedName);
// Leaves `value` as it was when no attribute matches.
bool AttributeText(const CXML_TreeElement* element, std::string_view qualifiedName, CZD_WideStr& value);
bool AttributeInt(const CXML_TreeElement* element, std::string_view qualifiedName, int& value);
int AttributeCount(const CXML_TreeElement* element);
// Document order; null when the index is out of range.
const CXML_AttrEntry* AttributeAt(const CXML_TreeElement* element, int index);

struct CXML_TreeDeleter {
  void operator()(CXML_TreeElement* element) const { DestroyTree(element); }
};
using XmlTreePtr = std::unique_ptr<CXML_TreeElement, CXML_TreeDeleter>;
