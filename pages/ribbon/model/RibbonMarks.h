#pragma once

#include <cstddef>
#include <vector>

#include "pages/ribbon/model/RibbonTree.h"

namespace cadmira::pages {

enum class CheckMark { Unchecked, PartlyChecked, Checked };

// How each item of the tree is drawn, by node: ticked items as checked; an unticked item with a
// ticked item anywhere below it as partly checked, since part of its branch is hidden; the rest
// unchecked. Drawing only: what an item writes and what a click does follow its own tick.
std::vector<CheckMark> CheckMarks(const CRibbonTree& tree);

// The number of ticked items, each an element the file hides.
std::size_t HiddenItemCount(const CRibbonTree& tree);

}  // namespace cadmira::pages
