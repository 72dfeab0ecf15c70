#pragma once

#include "resources/ResourceIds.h"
#include "resources/Product.h"

struct CXML_TreeElement;

namespace cadmira::document {

// The messages that reject a loaded file.
using resources::kNotAConfigurationFile;
using resources::kWrongProductOrvantaFile;
using resources::kWrongProductReaderFile;

// 0 when the root names the current product (ignoring case, without namespace prefix), else
// the string id of the rejection message, which the caller shows. A file never switches the
// product: the user chooses it in the interface dialog.
int CheckProduct(const CXML_TreeElement* root, resources::Product product);

}  // namespace cadmira::document
