#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/PageControls.h"
#include "document/PreferenceCatalogue.h"

namespace cadmira::document {

// The state a control is in, as an index into the binding's states; no selection, or one the
// binding does not know, counts as the first state.
std::size_t StateOf(const PreferenceBinding& binding, const IPageControls& controls);

// What the binding writes into each of its attributes, in their order.
std::vector<std::u16string> BindingValues(const PreferenceBinding& binding, const IPageControls& controls);

// What the setting writes into its value attributes, binding after binding.
std::vector<std::u16string> WrittenValues(const PreferenceRow& row, const IPageControls& controls);

}  // namespace cadmira::document
