#include "document/LoadDocument.h"

#include "document/CheckProduct.h"
#include "document/PreferenceReader.h"

namespace cadmira::document {

LoadedDocument LoadDocument(const std::string& path, ReadForms forms, int product) {
  ConfigFile file = ReadConfigFile(path, forms);
  LoadedDocument loaded;
  if (!file.tree) {
    loaded.refusal = kXmlFormatError;
    return loaded;
  }
  loaded.refusal = CheckProduct(file.tree.get(), product);
  if (loaded.refusal == 0) loaded.tree = std::move(file.tree);
  return loaded;
}

void ApplyDocument(const CXML_TreeElement* root, IDocumentPages& pages) {
  ApplyPreferenceSection(root, pages.Controls());
  pages.ApplyRibbonSection(root);
  pages.ApplyPluginSection(root);
}

}  // namespace cadmira::document
