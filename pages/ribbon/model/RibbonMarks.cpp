#include "pages/ribbon/model/RibbonMarks.h"

namespace cadmira::pages {

std::vector<CheckMark> CheckMarks(const CRibbonTree& tree) {
  const auto count = static_cast<std::size_t>(tree.NodeCount());
  std::vector<CheckMark> marks(count, CheckMark::Unchecked);
  std::vector<bool> tickedBelow(count, false);
  // Children come after their parent: one backward pass carries each branch's ticks upward.
  for (CRibbonTree::Node node = tree.NodeCount() - 1; node >= 0; --node) {
    const bool ticked = tree.Checked(node);
    marks[node] = ticked ? CheckMark::Checked : tickedBelow[node] ? CheckMark::PartlyChecked : CheckMark::Unchecked;
    const CRibbonTree::Node parent = tree.Parent(node);
    if (parent != CRibbonTree::kNoNode && (ticked || tickedBelow[node])) tickedBelow[parent] = true;
  }
  return marks;
}

std::size_t HiddenItemCount(const CRibbonTree& tree) {
  std::size_t count = 0;
  for (CRibbonTree::Node node = 0; node < tree.NodeCount(); ++node) count += tree.Checked(node) ? 1 : 0;
  return count;
}

}  // namespace cadmira::pages
