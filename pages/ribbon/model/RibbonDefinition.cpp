#include "pages/ribbon/model/RibbonDefinition.h"

#include "document/Reader_XmlManager.h"

namespace cadmira::pages {

int RibbonDefinitionId(resources::Product product, int langid) {
  const bool chinese = langid == kChineseLangId;
  if (product == resources::Product::Reader) return chinese ? 241 : 233;
  return chinese ? 240 : 232;
}

XmlTreePtr LoadRibbonDefinition(resources::Product product, int langid) {
  document::CReader_XmlManager manager;
  return XmlTreePtr(manager.LoadConfigResource(RibbonDefinitionId(product, langid)));
}

}  // namespace cadmira::pages
