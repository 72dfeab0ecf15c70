#pragma once

#include <string_view>

#include "document/DomDocument.h"
#include "document/PageControls.h"
#include "document/WriteContext.h"
#include "resources/Product.h"

namespace cadmira::document {

// Appends to `preferences` one Preference element per setting of the product, in catalogue
// order, each with Text set to its key and every value attribute created empty.
void WritePreferenceSection(CDomDocument& document, CDomElement preferences, resources::Product product);

// Sets the existing value attributes of one Preference element from the page controls; an
// unknown key does nothing. A status-bar choice also hides the status-bar ribbon control.
void FillPreferenceElement(CWriteContext& context, std::u16string_view key, CDomElement element,
                           const IPageControls& controls);

// The fill walk: every child of the document's Preferences element, in document order.
void FillPreferenceSection(CWriteContext& context, const IPageControls& controls);

}  // namespace cadmira::document
