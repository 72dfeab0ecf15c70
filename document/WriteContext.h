#pragma once

#include <memory>

#include "document/DomDocument.h"
#include "document/RibbonWriteRecord.h"

namespace cadmira::document {

// What one Export or Save writes into: the DOM document and the registry of the ribbon
// containers created in it. A fresh context is used for every write.
struct CWriteContext {
  std::unique_ptr<CDomDocument> m_spXmlDoc;
  CRibbonWriteRecord m_ribbonRecord;
};

// The context's document; raises CDomError(kE_POINTER) when it could not be created, which is
// how every filler fails after a failed BuildDocument.
CDomDocument& RequireDocument(CWriteContext& context);

}  // namespace cadmira::document
