#include "pages/plugins/model/DefaultPluginList.h"

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/Reader_XmlManager.h"

namespace cadmira::pages {
namespace {

std::u16string Attribute(const CXML_TreeElement* element, std::string_view name) {
  CZD_WideStr value;
  AttributeText(element, name, value);
  return std::u16string(value.View());
}

}  // namespace

int DefaultPluginResource(resources::Product product, int language) {
  const bool reader = product == resources::Product::Reader;
  if (language == kEnglishLangId) return reader ? 246 : 244;
  if (language == kChineseLangId) return reader ? 248 : 245;
  return 0;
}

std::vector<PluginItem> DefaultPluginsOf(const CXML_TreeElement* root) {
  std::vector<PluginItem> plugins;
  const int count = ChildCount(root);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(root, i);
    if (child != nullptr) plugins.push_back({Attribute(child, "Name"), Attribute(child, "PIPath")});
  }
  return plugins;
}

std::vector<PluginItem> ReadDefaultPlugins(int resourceId) {
  document::CReader_XmlManager manager;
  manager.SetRoot(manager.LoadConfigResource(resourceId));
  return DefaultPluginsOf(manager.Root());
}

std::u16string_view AddedPluginSection(resources::Product product) {
  return product == resources::Product::Reader ? u"AddReaderPlugins" : u"AddOrvantaPlugins";
}

}  // namespace cadmira::pages
