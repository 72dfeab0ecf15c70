#pragma once

#include <optional>
#include <vector>

#include "document/DocumentPages.h"
#include "resources/Product.h"

namespace cadmira::document {

// The plain bytes that Export and Save would write for `product` from the pages now, built in a
// context of its own; nothing when the document cannot be built.
std::optional<std::vector<unsigned char>> DocumentBytes(resources::Product product, const IDocumentPages& pages);

}  // namespace cadmira::document
