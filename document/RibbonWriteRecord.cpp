#include "document/RibbonWriteRecord.h"

#include <initializer_list>

#include "base/AsciiCase.h"

namespace cadmira::document {
namespace {

// Lower-cased names, each preceded by its length, so that no two name lists share a key.
std::u16string Key(std::initializer_list<std::u16string_view> names) {
  std::u16string key;
  for (std::u16string_view name : names) {
    key += std::u16string(u"\x0001") + static_cast<char16_t>(name.size() & 0xFFFF) +
           static_cast<char16_t>(name.size() >> 16);
    for (char16_t c : name) key += AsciiLower(c);
  }
  return key;
}

CDomElement Find(const std::unordered_map<std::u16string, CDomElement>& map, const std::u16string& key) {
  const auto found = map.find(key);
  return found == map.end() ? CDomElement() : found->second;
}

}  // namespace

void CRibbonWriteRecord::Clear() {
  m_ribbonUI = {};
  m_tabElements = {};
  m_categories.clear();
  m_panels.clear();
  m_controls.clear();
  m_tabChildren.clear();
}

CDomElement CRibbonWriteRecord::FindCategory(std::u16string_view category) const {
  return Find(m_categories, Key({category}));
}

CDomElement CRibbonWriteRecord::FindPanel(std::u16string_view category, std::u16string_view panel) const {
  return Find(m_panels, Key({category, panel}));
}

CDomElement CRibbonWriteRecord::FindControl(std::u16string_view category, std::u16string_view panel,
                                            std::u16string_view control) const {
  return Find(m_controls, Key({category, panel, control}));
}

// Every registered entry also names its category (and panel), so a later lookup by the
// shorter name list finds the containers of the earliest entry, as a first-match scan would.
void CRibbonWriteRecord::RegisterCategory(std::u16string_view category, CDomElement element) {
  m_categories.emplace(Key({category}), element);
}

void CRibbonWriteRecord::RegisterPanel(std::u16string_view category, std::u16string_view panel, CDomElement element) {
  m_panels.emplace(Key({category, panel}), element);
}

void CRibbonWriteRecord::RegisterControl(std::u16string_view category, std::u16string_view panel,
                                         std::u16string_view control, CDomElement element) {
  m_controls.emplace(Key({category, panel, control}), element);
}

CDomElement CRibbonWriteRecord::FindTabChild(std::u16string_view name) const {
  return Find(m_tabChildren, Key({name}));
}

void CRibbonWriteRecord::RegisterTabChild(std::u16string_view name, CDomElement element) {
  m_tabChildren.emplace(Key({name}), element);
}

}  // namespace cadmira::document
