#pragma once

#include <iosfwd>

#include "pages/view/PageView.h"

namespace cadmira::cli {

class CJsonWriter;

// {"product", "version", "settings": {name: value}, "hiddenPlugins", "hiddenRibbon"}
void WritePageViewJson(const pages::PageView& view, CJsonWriter& json);
// One line per item, indented under "pages:".
void WritePageViewText(const pages::PageView& view, std::ostream& out);

}  // namespace cadmira::cli
