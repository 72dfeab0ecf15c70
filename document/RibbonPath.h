#pragma once

#include <string>
#include <vector>

namespace cadmira::document {

// The Name values of a ribbon element and its ancestors, top level first; an element below
// TabElements has the empty string as its first name.
using RibbonPath = std::vector<std::u16string>;

}  // namespace cadmira::document
