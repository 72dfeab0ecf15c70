#pragma once

#include <QString>

#include "document/Reader_XmlManager.h"
#include "document/WriteContext.h"
#include "resources/Product.h"

namespace cadmira::app {

// What ties the pages to a file between commands.
struct CDocumentState {
  // The current file: the path of the last accepted load; Save writes here.
  QString m_strFilePath;
  // Owns the tree of the last accepted load; empty before one.
  document::CReader_XmlManager m_xmlManager;
  // The DOM document of the last write (m_spXmlDoc) and the ribbon writer's cache.
  document::CWriteContext m_writeContext;
  // 1 Reader, anything else Orvanta; read again from the settings by every write.
  resources::Product m_nProduct = resources::Product::Orvanta;
  // Set by every accepted load: the page applies the loaded tree again on its next tab click.
  bool m_bRibbonPending = false;
  bool m_bPluginsPending = false;

  const CXML_TreeElement* RootElement() const { return m_xmlManager.Root(); }
};

}  // namespace cadmira::app
