#include "document/CheckProduct.h"

#include "base/XmlTree.h"
#include "document/ProductTable.h"

namespace cadmira::document {

int CheckProduct(const CXML_TreeElement* root, resources::Product product) {
  const std::optional<resources::Product> named = ProductOfRootTag(TagName(root).View());
  if (!named) return kNotAConfigurationFile;
  const bool currentIsReader = product == resources::Product::Reader;
  if (*named == resources::Product::Reader) return currentIsReader ? 0 : kWrongProductReaderFile;
  return currentIsReader ? kWrongProductOrvantaFile : 0;
}

}  // namespace cadmira::document
