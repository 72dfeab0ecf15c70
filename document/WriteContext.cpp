#include "document/WriteContext.h"

namespace cadmira::document {

CDomDocument& RequireDocument(CWriteContext& context) {
  if (!context.m_spXmlDoc) throw CDomError(kE_POINTER, "there is no document to fill");
  return *context.m_spXmlDoc;
}

}  // namespace cadmira::document
