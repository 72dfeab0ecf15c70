#include "document/DomDocument.h"

#include <cstdio>
#include <new>

#include "document/Utf8Text.h"

namespace cadmira::document {
namespace {

pugi::xml_node Require(CDomElement element, const char* operation) {
  if (!element) throw CDomError(kE_POINTER, std::string(operation) + ": no element");
  return element.Node();
}

pugi::xml_attribute Require(CDomAttribute attribute, const char* operation) {
  if (!attribute) throw CDomError(kE_POINTER, std::string(operation) + ": no attribute");
  return attribute.Attribute();
}

[[noreturn]] void OutOfMemory(const char* operation) {
  throw CDomError(kE_OUTOFMEMORY, std::string(operation) + ": out of memory");
}

std::string Narrow(std::u16string_view text, const char* operation) {
  try {
    return ToUtf8(text);
  } catch (const std::bad_alloc&) {
    OutOfMemory(operation);
  }
}

bool IsSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The characters XML 1.0 allows, as UTF-16 units: a surrogate counts only as half of a pair.
std::size_t FirstUncarried(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      ++i;
      continue;
    }
    const bool control = unit < 0x20 && unit != 0x09 && unit != 0x0A && unit != 0x0D;
    if (control || IsSurrogate(unit) || unit == 0xFFFE || unit == 0xFFFF) return i;
  }
  return std::u16string_view::npos;
}

// Text goes into the document only when a file can carry it; anything else would make a file
// that other XML tools reject.
std::string Stored(std::u16string_view text, const char* operation) {
  const std::size_t bad = FirstUncarried(text);
  if (bad != std::u16string_view::npos) {
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(text[bad]));
    throw CDomError(kE_FAIL, std::string(operation) + ": the text holds U+" + code + ", which XML cannot carry");
  }
  return Narrow(text, operation);
}

std::u16string Widen(const char* text, const char* operation) {
  try {
    return FromUtf8(text);
  } catch (const std::bad_alloc&) {
    OutOfMemory(operation);
  }
}

CDomElement ElementOrNothing(pugi::xml_node node) {
  return node.type() == pugi::node_element ? CDomElement(node) : CDomElement();
}

class ByteWriter : public pugi::xml_writer {
 public:
  void write(const void* data, size_t size) override {
    const auto* bytes = static_cast<const unsigned char*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + size);
  }
  std::vector<unsigned char> m_bytes;
};

}  // namespace

std::unique_ptr<CDomDocument> CDomDocument::Create() {
  std::unique_ptr<CDomDocument> document(new (std::nothrow) CDomDocument);
  if (!document) return nullptr;
  document->m_unattached = document->m_document.append_child(pugi::node_element);
  if (!document->m_unattached) return nullptr;
  return document;
}

CDomElement CDomDocument::CreateElement(std::u16string_view tag) {
  const std::string name = Stored(tag, "createElement");
  pugi::xml_node element = m_unattached.append_child(pugi::node_element);
  if (!element) OutOfMemory("createElement");
  if (!element.set_name(name.c_str())) {
    m_unattached.remove_child(element);
    OutOfMemory("createElement");
  }
  return CDomElement(element);
}

void CDomDocument::AppendToDocument(CDomElement child) {
  if (!m_document.append_move(Require(child, "appendChild"))) throw CDomError(kE_FAIL, "appendChild failed");
}

void CDomDocument::Append(CDomElement parent, CDomElement child) {
  pugi::xml_node parentNode = Require(parent, "appendChild");
  pugi::xml_node childNode = Require(child, "appendChild");
  if (!parentNode.append_move(childNode)) throw CDomError(kE_FAIL, "appendChild failed");
}

bool CDomDocument::IsAttached(pugi::xml_node node) const {
  for (pugi::xml_node up = node; up; up = up.parent()) {
    if (up == m_unattached) return false;
  }
  return true;
}

CDomElement CDomDocument::FindByTag(std::u16string_view tag) const {
  const std::string name = Narrow(tag, "getElementsByTagName");
  for (pugi::xml_node top : m_document.children()) {
    if (top == m_unattached || top.type() != pugi::node_element) continue;
    if (name == top.name()) return CDomElement(top);
    pugi::xml_node found =
        top.find_node([&](pugi::xml_node n) { return n.type() == pugi::node_element && name == n.name(); });
    if (found) return CDomElement(found);
  }
  return {};
}

CDomElement CDomDocument::FindByTag(CDomElement scope, std::u16string_view tag) const {
  const std::string name = Narrow(tag, "getElementsByTagName");
  pugi::xml_node found = Require(scope, "getElementsByTagName").find_node([&](pugi::xml_node n) {
    return n.type() == pugi::node_element && name == n.name();
  });
  return found ? CDomElement(found) : CDomElement();
}

CDomElement CDomDocument::DocumentElement() const {
  for (pugi::xml_node top : m_document.children()) {
    if (top != m_unattached && top.type() == pugi::node_element) return CDomElement(top);
  }
  return {};
}

CDomElement CDomDocument::FirstChild(CDomElement element) const {
  return ElementOrNothing(Require(element, "firstChild").first_child());
}

CDomElement CDomDocument::NextSibling(CDomElement element) const {
  pugi::xml_node node = Require(element, "nextSibling");
  if (!IsAttached(node)) return {};
  return ElementOrNothing(node.next_sibling());
}

std::vector<CDomElement> CDomDocument::Children(CDomElement element) const {
  std::vector<CDomElement> children;
  for (pugi::xml_node child : Require(element, "childNodes").children()) {
    if (child.type() == pugi::node_element) children.emplace_back(child);
  }
  return children;
}

std::u16string CDomDocument::NodeName(CDomElement element) const {
  return Widen(Require(element, "nodeName").name(), "nodeName");
}

void CDomDocument::SetAttribute(CDomElement element, std::u16string_view name, std::u16string_view value) {
  pugi::xml_node node = Require(element, "setAttribute");
  const std::string key = Stored(name, "setAttribute");
  const std::string text = Stored(value, "setAttribute");
  pugi::xml_attribute attribute = node.attribute(key.c_str());
  if (!attribute) {
    attribute = node.append_attribute(key.c_str());
    if (!attribute) OutOfMemory("setAttribute");
  }
  if (!attribute.set_value(text.c_str())) OutOfMemory("setAttribute");
}

CDomAttribute CDomDocument::AttributeNode(CDomElement element, std::u16string_view name) const {
  const std::string key = Narrow(name, "getAttributeNode");
  return CDomAttribute(Require(element, "getAttributeNode").attribute(key.c_str()));
}

std::u16string CDomDocument::AttributeValue(CDomAttribute attribute) const {
  return Widen(Require(attribute, "nodeValue").value(), "nodeValue");
}

void CDomDocument::SetAttributeValue(CDomAttribute attribute, std::u16string_view value) {
  pugi::xml_attribute node = Require(attribute, "nodeValue");
  const std::string text = Stored(value, "nodeValue");
  if (!node.set_value(text.c_str())) OutOfMemory("nodeValue");
}

std::vector<unsigned char> CDomDocument::Serialize() const {
  try {
    ByteWriter writer;
    for (pugi::xml_node top : m_document.children()) {
      if (top == m_unattached) continue;
      top.print(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    }
    return std::move(writer.m_bytes);
  } catch (const std::bad_alloc&) {
    OutOfMemory("save");
  }
}

}  // namespace cadmira::document
