#pragma once

#include <string_view>
#include <vector>

#include "pages/ribbon/model/RibbonTree.h"

namespace cadmira::pages {

// Which items a find text leaves shown, by node: those whose title or Name holds the text,
// ignoring case, and every ancestor of one. An empty text shows every item.
std::vector<bool> ShownByFilter(const CRibbonTree& tree, std::u16string_view text);

}  // namespace cadmira::pages
