#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

#include "document/DomDocument.h"

namespace cadmira::document {

// The ribbon containers written during one save, so that paths sharing a Category, Panel or
// Control share its element. Names compare ignoring case and the first registered entry wins;
// the lookups are hashed so that a save stays linear in the number of hidden elements.
class CRibbonWriteRecord {
 public:
  void Clear();

  CDomElement FindCategory(std::u16string_view category) const;
  CDomElement FindPanel(std::u16string_view category, std::u16string_view panel) const;
  CDomElement FindControl(std::u16string_view category, std::u16string_view panel, std::u16string_view control) const;

  void RegisterCategory(std::u16string_view category, CDomElement element);
  void RegisterPanel(std::u16string_view category, std::u16string_view panel, CDomElement element);
  void RegisterControl(std::u16string_view category, std::u16string_view panel, std::u16string_view control,
                       CDomElement element);

  // The RibbonUI and TabElements elements of the document being written, found once.
  CDomElement m_ribbonUI;
  CDomElement m_tabElements;
  // The children of TabElements by Name, first in document order.
  CDomElement FindTabChild(std::u16string_view name) const;
  void RegisterTabChild(std::u16string_view name, CDomElement element);

 private:
  std::unordered_map<std::u16string, CDomElement> m_categories;
  std::unordered_map<std::u16string, CDomElement> m_panels;
  std::unordered_map<std::u16string, CDomElement> m_controls;
  std::unordered_map<std::u16string, CDomElement> m_tabChildren;
};

}  // namespace cadmira::document
