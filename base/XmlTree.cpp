#include "base/XmlTree.h"

#include "base/DataBufAcc.h"
#include "base/TreeArena.h"
#include "base/TreeBuilder.h"
#include "base/TreeElement.h"

#include <cstdint>

namespace {

const CXML_ChildEntry* ChildAt(const CXML_TreeElement* element, int index) {
  if (element == nullptr || index < 0 || index >= element->childCount) {
    return nullptr;
  }
  return &element->children[index];
}

const CXML_AttrEntry* FindAttribute(const CXML_TreeElement* element, std::string_view qualifiedName) {
  if (element == nullptr) {
    return nullptr;
  }
  std::string_view prefix;
  std::string_view name = qualifiedName;
  if (const auto colon = qualifiedName.find(':'); colon != std::string_view::npos) {
    prefix = qualifiedName.substr(0, colon);
    name = qualifiedName.substr(colon + 1);
  }
  for (int i = 0; i < element->attributeCount; ++i) {
    const CXML_AttrEntry& entry = element->attributes[i];
    if (entry.name.View() == name && (prefix.empty() || entry.prefix.View() == prefix)) {
      return &entry;
    }
  }
  return nullptr;
}

}  // namespace

CXML_TreeElement* ParseDocument(const unsigned char* buffer, std::size_t size, bool keepSpaces,
                                std::uint64_t* parsedSize, IZD_Allocator* allocator) {
  if (parsedSize) {
    *parsedSize = 0;
  }
  // The reader counts in 32 bits; a larger input gets no tree rather than a cut one.
  if (buffer == nullptr || size == 0 || size > UINT32_MAX) {
    return nullptr;
  }
  CXML_DataBufAcc* reader = CXML_DataBufAcc::Create(buffer, static_cast<std::uint32_t>(size), allocator);
  if (reader == nullptr) {
    return nullptr;
  }
  CXML_TreeElement* root = ParseFromReader(*reader, keepSpaces, parsedSize, allocator);
  reader->Destroy();
  return root;
}

void DestroyTree(CXML_TreeElement* element) {
  if (element && element->parent == nullptr) {
    CXML_TreeRoot::Of(element)->arena->Destroy();
  }
}

CXML_TreeElement* ParentElement(const CXML_TreeElement* element) { return element ? element->parent : nullptr; }

int ChildCount(const CXML_TreeElement* element) { return element ? element->childCount : 0; }

CXML_TreeElement* ChildElement(const CXML_TreeElement* element, int index) {
  const CXML_ChildEntry* child = ChildAt(element, index);
  return child ? child->AsElement() : nullptr;
}

const CXML_TextSegment* ChildText(const CXML_TreeElement* element, int index) {
  const CXML_ChildEntry* child = ChildAt(element, index);
  return child ? child->AsText() : nullptr;
}

CZD_ByteStr TagName(const CXML_TreeElement* element, bool qualified) {
  if (element == nullptr) {
    return CZD_ByteStr();
  }
  if (!qualified || element->prefix.IsEmpty()) {
    return element->name;
  }
  CZD_ByteStr result = element->prefix;
  result += ":";
  result += element->name;
  return result;
}

CZD_ByteStr TagPrefix(const CXML_TreeElement* element) { return element ? element->prefix : CZD_ByteStr(); }

bool HasAttribute(const CXML_TreeElement* element, std::string_view qualifiedName) {
  return FindAttribute(element, qualifiedName) != nullptr;
}

bool AttributeText(const CXML_TreeElement* element, std::string_view qualifiedName, CZD_WideStr& value) {
  const CXML_AttrEntry* entry = FindAttribute(element, qualifiedName);
  if (entry == nullptr) {
    return false;
  }
  value = entry->value;
  return true;
}

bool AttributeInt(const CXML_TreeElement* element, std::string_view qualifiedName, int& value) {
  const CXML_AttrEntry* entry = FindAttribute(element, qualifiedName);
  if (entry == nullptr) {
    return false;
  }
  value = CZD_WideStr::DecimalValue(entry->value);
  return true;
}

int AttributeCount(const CXML_TreeElement* element) { return element ? element->attributeCount : 0; }

const CXML_AttrEntry* AttributeAt(const CXML_TreeElement* element, int index) {
  if (element == nullptr || index < 0 || index >= element->attributeCount) {
    return nullptr;
  }
  return &element->attributes[index];
}
