#include "base/TreeBuilder.h"

#include "base/TextRuns.h"
#include "base/TreeArena.h"
#include "base/XmlCharClass.h"

#include <cstring>
#include <new>

CXML_TreeBuilder::CXML_TreeBuilder(IZD_BufferRead& reader, bool keepSpaces, IZD_Allocator* allocator,
                                   std::size_t maxTextUnits)
    : m_scanner(reader), m_bKeepSpaces(keepSpaces), m_pAllocator(allocator), m_text(maxTextUnits) {}

CXML_TreeBuilder::~CXML_TreeBuilder() {
  if (m_pArena) {
    m_pArena->Destroy();
  }
}

CXML_TreeElement* CXML_TreeBuilder::Parse(std::uint64_t* parsedSize) {
  CXML_TreeElement* root = nullptr;
  try {
    root = ParseRoot();
  } catch (const std::bad_alloc&) {
    root = nullptr;
  } catch (const CXML_TextWriter::TooLong&) {
    // A cut text would pass for the real one.
    root = nullptr;
  }
  if (parsedSize) {
    *parsedSize = m_scanner.Offset();
  }
  if (root) {
    // The tree now owns the arena.
    CXML_TreeRoot::Of(root)->arena = m_pArena;
    m_pArena = nullptr;
  }
  return root;
}

CXML_TreeElement* CXML_TreeBuilder::ParseRoot() {
  if (!m_scanner.Start()) {
    return nullptr;
  }
  m_pArena = CXML_TreeArena::Create(m_pAllocator);
  if (m_pArena == nullptr) {
    return nullptr;
  }
  bool closed = false;
  CXML_TreeElement* root = ParseStartTag(nullptr, false, closed);
  if (root == nullptr) {
    return nullptr;
  }
  if (!closed) {
    ParseContent(root);
  }
  if (!m_names.HandTo(*m_pArena)) {
    return nullptr;
  }
  return root;
}

void CXML_TreeBuilder::ParseContent(CXML_TreeElement* root) {
  m_open.push_back(OpenElement{root, m_children.size()});
  if (!m_bKeepSpaces) {
    m_scanner.SkipWhitespace();
  }
  while (!m_open.empty()) {
    if (!m_scanner.HasByte()) {
      // Missing end tags are closed by the end of the data.
      while (!m_open.empty()) {
        FinishElement();
      }
      return;
    }
    const unsigned char c = m_scanner.Peek();
    if (c == '&') {
      m_scanner.Next();
      m_text.Open(*m_pArena);
      m_text.CancelSequence();
      m_text.AppendCodePoint(m_scanner.ReadCharRef());
      continue;
    }
    if (c != '<') {
      if (!m_text.IsOpen() && ReadShortText()) {
        continue;
      }
      m_text.Open(*m_pArena);
      m_scanner.ReadText('<', m_text);
      continue;
    }
    m_scanner.Next();
    if (!m_scanner.HasByte()) {
      continue;
    }
    const unsigned char markup = m_scanner.Peek();
    if (markup == '!') {
      m_scanner.Next();
      SkipMarkupDeclaration();
      if (m_text.IsOpen()) {
        m_text.Discard();
      }
      m_scanner.SkipWhitespace();
    } else if (markup == '?') {
      m_scanner.Next();
      m_scanner.SkipLiteral("?>");
      m_scanner.SkipWhitespace();
    } else if (markup == '/') {
      // Any end tag closes the innermost open element, whatever its name; mostly it is that name.
      m_scanner.Next();
      if (!m_scanner.SkipName(m_open.back().element->name.GetBlock())) {
        std::string_view prefix;
        std::string_view name;
        m_scanner.ReadName(prefix, name);
      }
      m_scanner.SkipWhitespace();
      m_scanner.SkipPast('>');
      FinishElement();
      if (!m_open.empty()) {
        m_scanner.SkipWhitespace();
      }
    } else {
      FlushText();
      bool closed = false;
      CXML_TreeElement* child = ParseStartTag(m_open.back().element, true, closed);
      if (child) {
        m_children.push_back(CXML_ChildEntry::Element(child));
        if (!closed) {
          m_open.push_back(OpenElement{child, m_children.size()});
          if (!m_bKeepSpaces) {
            m_scanner.SkipWhitespace();
          }
          continue;
        }
      }
      m_scanner.SkipWhitespace();
    }
  }
}

void CXML_TreeBuilder::SkipMarkupDeclaration() {
  if (!m_scanner.HasByte()) {
    return;
  }
  const unsigned char kind = m_scanner.Next();
  if (kind == '[') {
    m_scanner.SkipLiteral("]]>");
  } else if (kind == '-') {
    if (m_scanner.HasByte()) {
      m_scanner.Next();
    }
    m_scanner.SkipLiteral("-->");
  } else {
    m_scanner.SkipPast('>');
  }
}

void CXML_TreeBuilder::ReadTagName(bool lessConsumed, std::string_view& prefix, std::string_view& name, bool& endTag) {
  prefix = {};
  name = {};
  endTag = false;
  // Before the root: declarations, comments and stray text are passed over.
  while (!lessConsumed) {
    while (m_scanner.HasByte() && m_scanner.Next() != '<') {
    }
    if (!m_scanner.HasByte()) {
      return;
    }
    const unsigned char c = m_scanner.Peek();
    if (c == '?') {
      m_scanner.Next();
      m_scanner.SkipLiteral("?>");
    } else if (c == '!') {
      m_scanner.Next();
      m_scanner.SkipLiteral("-->");
    } else {
      lessConsumed = true;
    }
  }
  if (!m_scanner.HasByte()) {
    return;
  }
  if (m_scanner.Peek() == '/') {
    m_scanner.Next();
    endTag = true;
  }
  m_scanner.ReadName(prefix, name);
}

// Inlined: the content loop calls it for every element.
[[gnu::always_inline]] inline CXML_TreeElement* CXML_TreeBuilder::ParseStartTag(CXML_TreeElement* parent,
                                                                                bool lessConsumed, bool& closed) {
  NameBlock* prefix = nullptr;
  NameBlock* name = nullptr;
  // Siblings mostly share their tag: the last tag started at this depth is the likeliest.
  const std::size_t depth = m_open.size();
  if (m_tagGuesses.size() <= depth) {
    m_tagGuesses.resize(depth + 1, nullptr);
  }
  NameBlock* guess = m_tagGuesses[depth] ? m_tagGuesses[depth] : m_pLastTag;
  if (lessConsumed && guess && m_scanner.SkipName(guess)) {
    name = guess;
  } else {
    std::string_view prefixText;
    std::string_view nameText;
    bool endTag = false;
    ReadTagName(lessConsumed, prefixText, nameText, endTag);
    if (nameText.empty() || endTag) {
      return nullptr;
    }
    prefix = m_names.Intern(prefixText);
    name = m_names.Intern(nameText);
  }
  m_pLastTag = name;
  m_tagGuesses[depth] = name;
  m_attributes.clear();
  ReadAttributes();
  m_scanner.SkipWhitespace();
  if (!m_scanner.HasByte()) {
    return nullptr;
  }
  const unsigned char c = m_scanner.Next();
  if (c == '/') {
    m_scanner.SkipPast('>');
    closed = true;
  } else if (c == '>') {
    closed = false;
  } else {
    return nullptr;
  }
  return MakeElement(parent, prefix, name);
}

// Called from one place for every tag: inlined, it spares a call's register saving.
[[gnu::always_inline]] inline void CXML_TreeBuilder::ReadAttributes() {
  m_nAttributeIndex = 0;
  for (;;) {
    if (ReadAttributesInBlock() == AttributeStep::End || !ReadAttribute()) {
      return;
    }
  }
}

// Called from one place for every tag: inlined, it spares a call's register saving.
[[gnu::always_inline]] inline CXML_TreeBuilder::AttributeStep CXML_TreeBuilder::ReadAttributesInBlock() {
  // The usual shape, name="value" with the name of the last tag's attribute at this position,
  // read in one go inside the block; anything else is left to ReadAttribute.
  constexpr std::ptrdiff_t kEnough = 64;
  const unsigned char* end = m_scanner.BlockEnd();
  const unsigned char* p = m_scanner.Cursor();
  NameBlock* const* guesses = m_attributeGuesses.data();
  const std::size_t guessCount = m_attributeGuesses.size();
  for (;;) {
    // Mostly one space separates the attributes.
    if (p < end && *p == ' ') {
      ++p;
    }
    while (p < end && xmlchar::Is(*p, xmlchar::kSpace)) {
      ++p;
    }
    m_scanner.MoveTo(p);
    if (end - p < kEnough || m_nAttributeIndex >= guessCount) {
      return AttributeStep::Elsewhere;
    }
    if (!xmlchar::Is(*p, xmlchar::kNameStart)) {
      return AttributeStep::End;
    }
    NameBlock* name = guesses[m_nAttributeIndex];
    // An attribute without a local name leaves no name to guess.
    if (name == nullptr || !xmlrun::MatchesName(p, end, name)) {
      return AttributeStep::Elsewhere;
    }
    const unsigned char* q = p + name->m_nLength;
    if (q[0] != '=' || (q[1] != '"' && q[1] != '\'')) {
      return AttributeStep::Elsewhere;
    }
    const unsigned char quote = q[1];
    const unsigned char* value = q + 2;
    // Mostly a short ASCII value: its block is written whole, with no text opened.
    if (end - value >= 16) {
      const unsigned length = xmlrun::AsciiRunIn16(value, quote);
      if (length < CXML_TextWriter::kShortUnits && value[length] == quote) {
        xmlrun::Widen16(value, CXML_TextWriter::ShortRoom(*m_pArena));
        p = value + length + 1;
        ++m_nAttributeIndex;
        StoreAttribute(PendingAttribute{nullptr, name, m_text.CommitShort(*m_pArena, length)});
        continue;
      }
      // Or a short one of whole two- and three-byte sequences, decoded the same way.
      if (length < CXML_TextWriter::kShortUnits && value[length] >= 0x80) {
        const unsigned bytes = xmlrun::StopIn16(value, quote);
        if (bytes < CXML_TextWriter::kShortUnits && value[bytes] == quote) {
          const std::ptrdiff_t units = xmlrun::DecodeWhole(value, value + bytes, CXML_TextWriter::ShortRoom(*m_pArena));
          if (units >= 0) {
            p = value + bytes + 1;
            ++m_nAttributeIndex;
            StoreAttribute(
                PendingAttribute{nullptr, name, m_text.CommitShort(*m_pArena, static_cast<std::size_t>(units))});
            continue;
          }
        }
      }
    }
    m_text.Open(*m_pArena);
    // With the quote a constant, the scan's comparison bytes are constants too.
    q = quote == '"' ? xmlrun::WidenAscii(q + 2, end, '"', m_text) : xmlrun::WidenAscii(q + 2, end, '\'', m_text);
    if (q < end && *q == quote) {
      p = q + 1;
    } else {
      // A reference, a character beyond ASCII or the end of the block: decode the rest as usual.
      m_text.CancelSequence();
      m_scanner.MoveTo(q);
      m_scanner.ReadQuoted(quote, m_text);
      p = m_scanner.Cursor();
      end = m_scanner.BlockEnd();
    }
    ++m_nAttributeIndex;
    StoreAttribute(PendingAttribute{nullptr, name, m_text.Commit(m_text.Length())});
  }
}

bool CXML_TreeBuilder::ReadAttribute() {
  m_scanner.SkipWhitespace();
  if (!m_scanner.HasByte() || !xmlchar::Is(m_scanner.Peek(), xmlchar::kNameStart)) {
    return false;
  }
  PendingAttribute attribute{nullptr, nullptr, nullptr};
  attribute.name = ReadAttributeName(attribute.prefix);
  m_scanner.SkipWhitespace();
  if (!m_scanner.HasByte() || m_scanner.Peek() != '=') {
    return false;
  }
  m_scanner.Next();
  m_scanner.SkipWhitespace();
  if (m_scanner.HasByte() && (m_scanner.Peek() == '"' || m_scanner.Peek() == '\'')) {
    const unsigned char quote = m_scanner.Next();
    m_text.Open(*m_pArena);
    m_scanner.ReadQuoted(quote, m_text);
    attribute.value = m_text.Commit(m_text.Length());
  }
  StoreAttribute(attribute);
  return true;
}

CXML_TreeBuilder::NameBlock* CXML_TreeBuilder::ReadAttributeName(NameBlock*& prefix) {
  // The attributes of the last tag, position by position, are the likeliest names here.
  const std::size_t position = m_nAttributeIndex < m_attributeGuesses.size() ? m_nAttributeIndex : 0;
  NameBlock* guess = m_attributeGuesses.empty() ? nullptr : m_attributeGuesses[position];
  NameBlock* name = nullptr;
  prefix = nullptr;
  if (guess && m_scanner.SkipName(guess)) {
    name = guess;
  } else {
    std::string_view prefixText;
    std::string_view nameText;
    m_scanner.ReadName(prefixText, nameText);
    name = m_names.Intern(nameText);
    prefix = m_names.Intern(prefixText);
  }
  if (m_nAttributeIndex < m_attributeGuesses.size()) {
    m_attributeGuesses[m_nAttributeIndex] = name;
  } else {
    m_attributeGuesses.push_back(name);
  }
  ++m_nAttributeIndex;
  return name;
}

void CXML_TreeBuilder::StoreIndexedAttribute(const PendingAttribute& attribute) {
  if (m_attributes.size() == kScannedAttributes) {
    m_attributeIndex.Clear();
    for (std::size_t i = 0; i < m_attributes.size(); ++i) {
      m_attributeIndex.Add(m_attributes[i].name, m_attributes[i].prefix, i);
    }
  }
  const std::ptrdiff_t existing = m_attributeIndex.Find(attribute.name, attribute.prefix);
  if (existing >= 0) {
    m_attributes[static_cast<std::size_t>(existing)].value = attribute.value;
    return;
  }
  m_attributeIndex.Add(attribute.name, attribute.prefix, m_attributes.size());
  m_attributes.push_back(attribute);
}

bool CXML_TreeBuilder::ReadShortText() {
  // A short text of ASCII and whole two- and three-byte sequences, ended inside the block by a tag,
  // is decoded straight into its block. Before a comment the text is dropped, and a processing
  // instruction lets it go on: both are left to the general way.
  const unsigned char* p = m_scanner.Cursor();
  if (m_scanner.BlockEnd() - p <= static_cast<std::ptrdiff_t>(CXML_TextWriter::kShortUnits)) {
    return false;
  }
  const unsigned bytes = xmlrun::StopIn16(p, '<');
  if (bytes >= CXML_TextWriter::kShortUnits || p[bytes] != '<' || p[bytes + 1] == '!' || p[bytes + 1] == '?') {
    return false;
  }
  char16_t* units = CXML_TextWriter::ShortRoom(*m_pArena);
  const std::ptrdiff_t count = xmlrun::DecodeWhole(p, p + bytes, units);
  if (count < 0) {
    return false;
  }
  m_scanner.MoveTo(p + bytes);
  AddTextSegment(m_text.CommitShort(*m_pArena, KeptUnits(units, static_cast<std::size_t>(count))));
  return true;
}

std::size_t CXML_TreeBuilder::KeptUnits(const char16_t* text, std::size_t units) const {
  if (!m_bKeepSpaces) {
    while (units > 0 && (text[units - 1] == u' ' || text[units - 1] == u'\t' || text[units - 1] == u'\r' ||
                         text[units - 1] == u'\n')) {
      --units;
    }
  }
  return units;
}

void CXML_TreeBuilder::AddTextSegment(TextBlock* block) {
  if (block) {
    void* memory = Allocate(sizeof(CXML_TextSegment));
    auto* segment = new (memory) CXML_TextSegment{0, CZD_WideStr::AdoptBlock(block)};
    m_children.push_back(CXML_ChildEntry::Text(segment));
  }
}

void CXML_TreeBuilder::FlushOpenText() { AddTextSegment(m_text.Commit(KeptUnits(m_text.Units(), m_text.Length()))); }

void CXML_TreeBuilder::FinishElement() {
  FlushText();
  const OpenElement open = m_open.back();
  m_open.pop_back();
  const std::size_t count = m_children.size() - open.firstChild;
  if (count == 0) {
    return;
  }
  if (count > 0x7FFFFFFF) {
    throw std::bad_alloc();
  }
  auto* children = static_cast<CXML_ChildEntry*>(Allocate(count * sizeof(CXML_ChildEntry)));
  std::memcpy(children, m_children.data() + open.firstChild, count * sizeof(CXML_ChildEntry));
  open.element->children = children;
  open.element->childCount = static_cast<int>(count);
  m_children.resize(open.firstChild);
}

// Called from one place for every tag: inlined, it spares a call's register saving.
[[gnu::always_inline]] inline CXML_TreeElement* CXML_TreeBuilder::MakeElement(CXML_TreeElement* parent,
                                                                              NameBlock* prefix, NameBlock* name) {
  const std::size_t count = m_attributes.size();
  if (count > 0x7FFFFFFF) {
    throw std::bad_alloc();
  }
  // The element and its attributes in one piece; the root is preceded by its arena's place.
  const std::size_t head = parent ? sizeof(CXML_TreeElement) : sizeof(CXML_TreeRoot);
  static_assert(sizeof(CXML_TreeElement) % alignof(CXML_AttrEntry) == 0);
  static_assert(sizeof(CXML_TreeRoot) % alignof(CXML_AttrEntry) == 0);
  char* memory = static_cast<char*>(Allocate(head + count * sizeof(CXML_AttrEntry)));
  CXML_AttrEntry* attributes = count ? reinterpret_cast<CXML_AttrEntry*>(memory + head) : nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    const PendingAttribute& pending = m_attributes[i];
    new (&attributes[i]) CXML_AttrEntry{CZD_ByteStr::AdoptBlock(pending.prefix), CZD_ByteStr::AdoptBlock(pending.name),
                                        CZD_WideStr::AdoptBlock(pending.value)};
  }
  void* element = memory;
  if (!parent) {
    element = &(new (memory) CXML_TreeRoot{nullptr, {}})->element;
  }
  return new (element) CXML_TreeElement{parent,     CZD_ByteStr::AdoptBlock(prefix), CZD_ByteStr::AdoptBlock(name),
                                        attributes, static_cast<int>(count),         0,
                                        nullptr};
}

void* CXML_TreeBuilder::Allocate(std::size_t size) {
  void* memory = m_pArena->Allocate(size);
  if (memory == nullptr) {
    throw std::bad_alloc();
  }
  return memory;
}

CXML_TreeElement* ParseFromReader(IZD_BufferRead& reader, bool keepSpaces, std::uint64_t* parsedSize,
                                  IZD_Allocator* allocator, std::size_t maxTextUnits) {
  try {
    CXML_TreeBuilder builder(reader, keepSpaces, allocator, maxTextUnits);
    return builder.Parse(parsedSize);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
