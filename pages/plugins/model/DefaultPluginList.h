#pragma once

#include <string_view>
#include <vector>

#include "pages/plugins/model/PluginItem.h"
#include "resources/LanguageIds.h"
#include "resources/Product.h"

struct CXML_TreeElement;

namespace cadmira::pages {

using resources::kChineseLangId;
using resources::kEnglishLangId;

// The embedded default list of a product (1 is the reader, any other value the editor) in an
// interface language; 0 for a language that has none.
int DefaultPluginResource(resources::Product product, int language);

// The plug-ins a default list's root names, in document order: every child element, whatever its
// tag, with its Name and PIPath (an absent attribute reads as empty).
std::vector<PluginItem> DefaultPluginsOf(const CXML_TreeElement* root);

// The plug-ins of an embedded default list; empty when the resource is missing, empty or does
// not parse.
std::vector<PluginItem> ReadDefaultPlugins(int resourceId);

// The settings section that keeps the plug-ins added for a product on this workstation.
std::u16string_view AddedPluginSection(resources::Product product);

}  // namespace cadmira::pages
