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

}  // namespace cadmira::document
