#pragma once

#include <span>
#include <string>

#include "document/DocumentPages.h"
#include "document/PageControls.h"
#include "document/ProductTable.h"
#include "document/RibbonPath.h"
#include "document/WriteContext.h"
#include "resources/Product.h"

namespace cadmira::document {

// Creates a new document in the context (releasing the previous one) with the skeleton of the
// product and every Preference element empty. Returns false when the document cannot be
// created; the context then holds none and every later call raises CDomError(kE_POINTER).
[[nodiscard]] bool BuildDocument(CWriteContext& context, resources::Product product);

// The whole build of Export and Save: the skeleton, the preference values of the pages, the
// root's version (the version box), the hidden plug-ins (their file names, then the Tessadoc
// names when that preference is ticked) and the hidden ribbon elements. Raises CDomError on any
// DOM failure; when the document could not be created it raises CDomError(kE_POINTER) at once,
// and the context holds no document afterwards.
void FillDocument(CWriteContext& context, resources::Product product, const IPageControls& controls,
                  std::span<const std::u16string> hiddenPlugins, std::span<const RibbonPath> hiddenRibbon);

// The same build from the pages themselves: they write their own plug-in and ribbon sections.
void FillDocument(CWriteContext& context, resources::Product product, const IDocumentPages& pages);

}  // namespace cadmira::document
