#pragma once

#include "document/RibbonPath.h"
#include "document/WriteContext.h"

namespace cadmira::document {

// Writes one hidden ribbon element into the RibbonUI section of the document being written:
// the containers that lead to it (shared through the context's registry, created when new)
// and the element itself with Visible "0". An empty path, or a document without RibbonUI,
// writes nothing.
void HideRibbonPath(CWriteContext& context, const RibbonPath& path);

}  // namespace cadmira::document
