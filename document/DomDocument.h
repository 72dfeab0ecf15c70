#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "document/DomError.h"

namespace cadmira::document {

// A reference to an element of a CDomDocument; empty when a lookup found nothing. Using an
// empty reference raises CDomError with kE_POINTER.
class CDomElement {
 public:
  CDomElement() = default;
  explicit CDomElement(pugi::xml_node node) : m_node(node) {}
  explicit operator bool() const { return static_cast<bool>(m_node); }
  pugi::xml_node Node() const { return m_node; }
  friend bool operator==(const CDomElement&, const CDomElement&) = default;

 private:
  pugi::xml_node m_node;
};

// A reference to an attribute node; empty when the element has no attribute of that name.
class CDomAttribute {
 public:
  CDomAttribute() = default;
  explicit CDomAttribute(pugi::xml_attribute attribute) : m_attribute(attribute) {}
  explicit operator bool() const { return static_cast<bool>(m_attribute); }
  pugi::xml_attribute Attribute() const { return m_attribute; }

 private:
  pugi::xml_attribute m_attribute;
};

// The write-side document: elements are created unattached, appended where they belong, and
// the whole is serialised as UTF-8 without declaration or added whitespace. Attributes keep
// the order in which they were created.
class CDomDocument {
 public:
  // Null when the document cannot be created.
  static std::unique_ptr<CDomDocument> Create();

  CDomElement CreateElement(std::u16string_view tag);
  // Appends `child` as the last child of the document (a null `parent`) or of `parent`.
  void AppendToDocument(CDomElement child);
  void Append(CDomElement parent, CDomElement child);

  // The first element of that tag in document order, searched below the document or `scope`.
  CDomElement FindByTag(std::u16string_view tag) const;
  CDomElement FindByTag(CDomElement scope, std::u16string_view tag) const;

  CDomElement DocumentElement() const;
  // The walk ends at the last node and at any node that is not an element.
  CDomElement FirstChild(CDomElement element) const;
  CDomElement NextSibling(CDomElement element) const;
  std::vector<CDomElement> Children(CDomElement element) const;
  std::u16string NodeName(CDomElement element) const;

  void SetAttribute(CDomElement element, std::u16string_view name, std::u16string_view value);
  CDomAttribute AttributeNode(CDomElement element, std::u16string_view name) const;
  std::u16string AttributeValue(CDomAttribute attribute) const;
  void SetAttributeValue(CDomAttribute attribute, std::u16string_view value);

  // The document as the bytes of the plain file.
  std::vector<unsigned char> Serialize() const;

 private:
  CDomDocument() = default;
  bool IsAttached(pugi::xml_node node) const;

  pugi::xml_document m_document;
  // Holds the elements that are created but not appended yet; never part of the output.
  pugi::xml_node m_unattached;
};

}  // namespace cadmira::document
