#pragma once

#include <string>

#include "document/DocumentPages.h"
#include "document/ReadConfigFile.h"
#include "document/Reader_XmlManager.h"
#include "resources/Product.h"

namespace cadmira::document {

// What a load found: the tree of an accepted file, or the message that refuses the file.
struct LoadedDocument {
  CReader_XmlManager tree;  // holds a tree only when the file was accepted
  int refusal = 0;          // 0 when accepted; kXmlFormatError, or the rejection of CheckProduct
};

// Reads the file in the accepted forms and checks that its root names `product`. A refused file
// gives no tree, so that nothing of it can reach the pages or the document state. A file that
// cannot be read is refused as one that does not parse, and so is anything but a regular file:
// the window must not wait on a FIFO or read a device that never ends.
LoadedDocument LoadDocument(const std::string& path, ReadForms forms, resources::Product product);

// Fills the pages from an accepted tree: the preferences and the version box, then the ribbon,
// then the plug-ins.
void ApplyDocument(const CXML_TreeElement* root, IDocumentPages& pages);

}  // namespace cadmira::document
