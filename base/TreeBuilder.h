#pragma once

#include "base/AttributeIndex.h"
#include "base/NameTable.h"
#include "base/TextScanner.h"
#include "base/TextWriter.h"
#include "base/TreeElement.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CXML_TreeArena;
class IZD_Allocator;

// Builds the element tree from the scanner's bytes. Open elements are kept on an explicit stack,
// so the depth of the input never deepens the call stack.
class CXML_TreeBuilder {
 public:
  // The most units a string block holds; a longer text or value gives no tree.
  static constexpr std::size_t kMaxTextUnits = 0x7FFFFFF0;

  CXML_TreeBuilder(IZD_BufferRead& reader, bool keepSpaces, IZD_Allocator* allocator,
                   std::size_t maxTextUnits = kMaxTextUnits);
  CXML_TreeBuilder(const CXML_TreeBuilder&) = delete;
  CXML_TreeBuilder& operator=(const CXML_TreeBuilder&) = delete;
  ~CXML_TreeBuilder();

  // The root element, or null; `parsedSize` (when given) receives the offset where parsing stopped.
  CXML_TreeElement* Parse(std::uint64_t* parsedSize);

 private:
  using NameBlock = CZD_StrBlock<char>;
  // Up to this many attributes on a tag, a scan finds a repeated name fastest.
  static constexpr std::size_t kScannedAttributes = 8;
  using TextBlock = CZD_StrBlock<char16_t>;
  struct PendingAttribute {
    NameBlock* prefix;
    NameBlock* name;
    TextBlock* value;
  };
  struct OpenElement {
    CXML_TreeElement* element;
    std::size_t firstChild;
  };

  CXML_TreeElement* ParseRoot();
  void ParseContent(CXML_TreeElement* root);
  CXML_TreeElement* ParseStartTag(CXML_TreeElement* parent, bool lessConsumed, bool& closed);
  void ReadTagName(bool lessConsumed, std::string_view& prefix, std::string_view& name, bool& endTag);
  enum class AttributeStep { End, Elsewhere };
  void ReadAttributes();
  AttributeStep ReadAttributesInBlock();
  // False when the attribute list has ended.
  bool ReadAttribute();
  NameBlock* ReadAttributeName(NameBlock*& prefix);
  // Names are interned, so equal names are the same block.
  void StoreAttribute(const PendingAttribute& attribute) {
    if (m_attributes.size() >= kScannedAttributes) {
      StoreIndexedAttribute(attribute);
      return;
    }
    for (PendingAttribute& existing : m_attributes) {
      if (existing.name == attribute.name && (attribute.prefix == nullptr || existing.prefix == attribute.prefix)) {
        existing.value = attribute.value;
        return;
      }
    }
    m_attributes.push_back(attribute);
  }
  void StoreIndexedAttribute(const PendingAttribute& attribute);
  void SkipMarkupDeclaration();
  void FlushText() {
    if (m_text.IsOpen()) {
      FlushOpenText();
    }
  }
  void FlushOpenText();
  // False, having consumed nothing, unless the text ahead was short enough to read in one step.
  bool ReadShortText();
  // The length of a text without the trailing white space that is not kept.
  std::size_t KeptUnits(const char16_t* text, std::size_t units) const;
  void AddTextSegment(TextBlock* block);
  void FinishElement();

  CXML_TreeElement* MakeElement(CXML_TreeElement* parent, NameBlock* prefix, NameBlock* name);
  void* Allocate(std::size_t size);

  CXML_TextScanner m_scanner;
  bool m_bKeepSpaces;
  IZD_Allocator* m_pAllocator;
  CXML_TreeArena* m_pArena = nullptr;
  CXML_NameTable m_names;
  // The text of the innermost open element, or the value being read.
  CXML_TextWriter m_text;
  std::vector<PendingAttribute> m_attributes;
  // Used once a tag has more attributes than a scan of them is worth.
  CXML_AttributeIndex m_attributeIndex;
  std::vector<CXML_ChildEntry> m_children;
  std::vector<OpenElement> m_open;
  NameBlock* m_pLastTag = nullptr;
  // By depth, the tag of the last element started there.
  std::vector<NameBlock*> m_tagGuesses;
  std::vector<NameBlock*> m_attributeGuesses;
  std::size_t m_nAttributeIndex = 0;
};

// Parses one document from any block reader; ParseDocument is this over one memory buffer.
CXML_TreeElement* ParseFromReader(IZD_BufferRead& reader, bool keepSpaces, std::uint64_t* parsedSize,
                                  IZD_Allocator* allocator, std::size_t maxTextUnits = CXML_TreeBuilder::kMaxTextUnits);
