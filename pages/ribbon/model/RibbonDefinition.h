#pragma once

#include "base/XmlTree.h"
#include "resources/LanguageIds.h"

namespace cadmira::pages {

using resources::kChineseLangId;
using resources::kEnglishLangId;

// The embedded ribbon definition of a product (1 Reader, anything else Orvanta) in an interface
// language (49007 Chinese, anything else English).
int RibbonDefinitionId(int verid, int langid);

// That definition parsed; null when it is missing or does not parse.
XmlTreePtr LoadRibbonDefinition(int verid, int langid);

}  // namespace cadmira::pages
