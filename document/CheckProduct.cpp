#include "document/CheckProduct.h"

#include "base/XmlTree.h"
#include "document/ProductTable.h"

namespace cadmira::document {

int CheckProduct(const CXML_TreeElement* root, int product) {
  const std::optional<int> named = ProductOfRootTag(TagName(root).View());
  if (!named) return kNotAConfigurationFile;
  const bool currentIsReader = product == kReaderProduct;
  if (*named == kReaderProduct) return currentIsReader ? 0 : kWrongProductReaderFile;
  return currentIsReader ? kWrongProductOrvantaFile : 0;
}

}  // namespace cadmira::document
