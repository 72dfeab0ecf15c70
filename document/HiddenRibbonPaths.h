#pragma once

#include <vector>

#include "document/RibbonPath.h"

struct CXML_TreeElement;

namespace cadmira::document {

// The ribbon elements a loaded tree hides, in document order: every element under the RibbonUI
// section with Visible "0" (its own subtree not visited), as the Name values from the child of
// RibbonUI down to it. Empty when the tree has no RibbonUI section.
std::vector<RibbonPath> HiddenRibbonPaths(const CXML_TreeElement* root);

}  // namespace cadmira::document
