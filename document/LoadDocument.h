#pragma once

#include <string>

#include "base/XmlTree.h"
#include "document/DocumentPages.h"
#include "document/ReadConfigFile.h"

namespace cadmira::document {

// The message of a file that no accepted form parses.
inline constexpr int kXmlFormatError = 246;

// What a load found: the tree of an accepted file, or the message that refuses the file.
struct LoadedDocument {
  XmlTreePtr tree;  // set only when the file was accepted
  int refusal = 0;  // 0 when accepted; kXmlFormatError, or the rejection of CheckProduct
};

// Reads the file in the accepted forms and checks that its root names `product`. A refused file
// gives no tree, so that nothing of it can reach the pages or the document state.
LoadedDocument LoadDocument(const std::string& path, ReadForms forms, int product);

// Fills the pages from an accepted tree: the preferences and the version box, then the ribbon,
// then the plug-ins.
void ApplyDocument(const CXML_TreeElement* root, IDocumentPages& pages);

}  // namespace cadmira::document
