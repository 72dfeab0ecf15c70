#pragma once

#include <functional>
#include <span>
#include <string>

struct CXML_TreeElement;

namespace cadmira::document {

// Visits the ribbon elements a loaded tree hides, in document order: every element under the
// RibbonUI section with Visible "0" (its own subtree not visited), with the Name values from the
// child of RibbonUI down to it (an element without Name gives the empty string). The path is only
// valid during the call; nothing is visited when the tree has no RibbonUI section.
void VisitHiddenRibbonPaths(const CXML_TreeElement* root,
                            const std::function<void(std::span<const std::u16string> path)>& visit);

}  // namespace cadmira::document
