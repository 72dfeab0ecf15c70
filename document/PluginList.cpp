#include "document/PluginList.h"

#include "base/AsciiCase.h"
#include "base/XmlTree.h"
#include "document/SectionLookup.h"

namespace cadmira::document {

std::u16string JoinUnloadPluginArray(std::span<const std::u16string> names, bool disableTessadoc) {
  std::u16string value;
  for (const std::u16string& name : names) {
    value += name;
    value += u';';
  }
  if (disableTessadoc) value += kTessadocPlugins;
  return value;
}

std::vector<std::u16string> SplitUnloadPluginArray(std::u16string_view value) {
  std::vector<std::u16string> names;
  for (std::size_t end = value.find(u';'); end != std::u16string_view::npos; end = value.find(u';')) {
    names.emplace_back(value.substr(0, end));
    value.remove_prefix(end + 1);
  }
  return names;
}

CHiddenPluginSet::CHiddenPluginSet(std::span<const std::u16string> names) {
  for (const std::u16string& name : names) m_lowered.insert(AsciiLowered(name));
}

bool CHiddenPluginSet::Contains(std::u16string_view piPath) const { return m_lowered.count(AsciiLowered(piPath)) != 0; }

void WritePluginSection(CDomDocument& document, std::u16string_view value) {
  CDomElement plugins = document.FindByTag(u"Plugins");
  if (!plugins) return;
  CDomElement plugin = document.FirstChild(plugins);
  if (!plugin) return;
  if (CDomAttribute attribute = document.AttributeNode(plugin, u"UnloadPluginArray")) {
    document.SetAttributeValue(attribute, value);
  }
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
