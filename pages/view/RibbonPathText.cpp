#include "pages/view/RibbonPathText.h"

namespace cadmira::pages {

std::u16string RibbonPathText(const document::RibbonPath& path) {
  std::u16string text;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i > 0) text += u'/';
    text += path[i];
  }
  return text;
}

document::RibbonPath RibbonPathFromText(std::u16string_view text) {
  document::RibbonPath path;
  if (text.empty()) return path;
  for (std::size_t start = 0;;) {
    const std::size_t slash = text.find(u'/', start);
    path.emplace_back(text.substr(start, slash - start));
    if (slash == std::u16string_view::npos) break;
    start = slash + 1;
  }
  return path;
}

}  // namespace cadmira::pages
