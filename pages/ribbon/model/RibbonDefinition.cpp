#include "pages/ribbon/model/RibbonDefinition.h"

#include "document/Reader_XmlManager.h"

namespace cadmira::pages {

int RibbonDefinitionId(int verid, int langid) {
  const bool chinese = langid == kChineseLangId;
  if (verid == 1) return chinese ? 241 : 233;
  return chinese ? 240 : 232;
}

XmlTreePtr LoadRibbonDefinition(int verid, int langid) {
  document::CReader_XmlManager manager;
  return XmlTreePtr(manager.LoadConfigResource(RibbonDefinitionId(verid, langid)));
}

}  // namespace cadmira::pages
