#include "document/LoadDocument.h"

#include "document/CheckProduct.h"
#include "document/PreferenceReader.h"

namespace cadmira::document {

LoadedDocument LoadDocument(const std::string& path, ReadForms forms, resources::Product product) {
  Result<ConfigFile> file = ReadConfigFile(path, forms, FileKinds::RegularOnly);
  LoadedDocument loaded;
  if (!file || file.value().Root() == nullptr) {
    loaded.refusal = kXmlFormatError;
    return loaded;
  }
  loaded.refusal = CheckProduct(file.value().Root(), product);
  if (loaded.refusal == 0) loaded.tree = std::move(file.value().tree);
  return loaded;
}

void ApplyDocument(const CXML_TreeElement* root, IDocumentPages& pages) {
  ApplyPreferenceSection(root, pages.Controls());
  pages.ApplyRibbonSection(root);
  pages.ApplyPluginSection(root);
}

}  // namespace cadmira::document
