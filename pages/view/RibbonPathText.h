#pragma once

#include <string>
#include <string_view>

#include "document/RibbonPath.h"

namespace cadmira::pages {

// The ribbon path in its "/" form: the Names from the top down, joined by "/"; an element
// under TabElements begins with "/".
std::u16string RibbonPathText(const document::RibbonPath& path);
document::RibbonPath RibbonPathFromText(std::u16string_view text);

}  // namespace cadmira::pages
