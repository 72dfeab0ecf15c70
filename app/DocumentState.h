#pragma once

#include <QString>

#include "base/XmlTree.h"
#include "document/WriteContext.h"

namespace cadmira::app {

// What ties the pages to a file between commands.
struct CDocumentState {
  // The current file: the path of the last load attempt; Save writes here.
  QString m_strFilePath;
  // The tree of the last load attempt; null when it did not parse.
  XmlTreePtr m_pRootElement;
  // The DOM document of the last write (m_spXmlDoc) and the ribbon writer's cache.
  document::CWriteContext m_writeContext;
  // 1 Reader, anything else Orvanta.
  int m_nProduct = 0;
  // Set by every successful load: the page applies the loaded tree again on its next tab click.
  bool m_bRibbonPending = false;
  bool m_bPluginsPending = false;
};

}  // namespace cadmira::app
