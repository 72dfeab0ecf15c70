#pragma once

#include <string>

namespace cadmira::pages {

// One element of a ribbon definition: the caption shown and the product's name for it (empty
// when the element has none).
struct RibbonItem {
  std::u16string Title;
  std::u16string Name;
};

}  // namespace cadmira::pages
