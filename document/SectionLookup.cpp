#include "document/SectionLookup.h"

#include "base/AsciiCase.h"
#include "base/XmlTree.h"

namespace cadmira::document {

const CXML_TreeElement* ProfstoreElement(const CXML_TreeElement* root) {
  return root ? ChildElement(root, 0) : nullptr;
}

const CXML_TreeElement* PreferencesElement(const CXML_TreeElement* root) {
  const CXML_TreeElement* profstore = ProfstoreElement(root);
  return profstore ? ChildElement(profstore, 0) : nullptr;
}

const CXML_TreeElement* ProfstoreSection(const CXML_TreeElement* root, std::string_view tag) {
  const CXML_TreeElement* profstore = ProfstoreElement(root);
  if (!profstore) return nullptr;
  const int count = ChildCount(profstore);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(profstore, i);
    if (child && AsciiEqualNoCase(TagName(child).View(), tag)) return child;
  }
  return nullptr;
}

std::optional<std::u16string> ReadUnloadPluginArray(const CXML_TreeElement* root) {
  const CXML_TreeElement* plugins = ProfstoreSection(root, "Plugins");
  const CXML_TreeElement* plugin = plugins ? ChildElement(plugins, 0) : nullptr;
  if (!plugin) return std::nullopt;
  CZD_WideStr value;
  if (!AttributeText(plugin, "UnloadPluginArray", value)) return std::u16string();
  return std::u16string(value.View());
}

}  // namespace cadmira::document
