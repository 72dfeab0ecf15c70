#include "pages/ribbon/model/RibbonFilter.h"

#include "base/AsciiCase.h"

namespace cadmira::pages {

std::vector<bool> ShownByFilter(const CRibbonTree& tree, std::u16string_view text) {
  const auto count = static_cast<std::size_t>(tree.NodeCount());
  if (text.empty()) return std::vector<bool>(count, true);
  std::vector<bool> shown(count, false);
  for (CRibbonTree::Node node = tree.NodeCount() - 1; node >= 0; --node) {
    const RibbonItem& record = tree.Record(node);
    if (!shown[node]) shown[node] = AsciiContainsNoCase(record.Title, text) || AsciiContainsNoCase(record.Name, text);
    const CRibbonTree::Node parent = tree.Parent(node);
    if (shown[node] && parent != CRibbonTree::kNoNode) shown[parent] = true;
  }
  return shown;
}

}  // namespace cadmira::pages
