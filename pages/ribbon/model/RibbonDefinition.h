#pragma once

#include "base/XmlTree.h"
#include "resources/LanguageIds.h"
#include "resources/Product.h"

namespace cadmira::pages {

using resources::kChineseLangId;
using resources::kEnglishLangId;

// The embedded ribbon definition of a product in an interface language (49007 Chinese, anything
// else English).
int RibbonDefinitionId(resources::Product product, int langid);

// That definition parsed; null when it is missing or does not parse.
XmlTreePtr LoadRibbonDefinition(resources::Product product, int langid);

}  // namespace cadmira::pages
