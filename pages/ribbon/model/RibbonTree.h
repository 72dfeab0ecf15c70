#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/RibbonPath.h"
#include "document/WriteContext.h"
#include "pages/ribbon/model/RibbonItem.h"

struct CXML_TreeElement;

namespace cadmira::pages {

class IRibbonTreeObserver;

// The ribbon as a tree of check boxes: a checked item is an element to hide. It holds the
// records of the definition, the shown items with their check and expansion states, and the
// walks that read and write the RibbonUI section of a configuration document. Items are numbered
// in definition order, so an item's subtree is the range of numbers up to SubtreeEnd.
class CRibbonTree {
 public:
  using Node = std::int32_t;
  static constexpr Node kNoNode = -1;

  // Replaces the tree by the children of the definition's root, nested as there, all unchecked
  // and collapsed. Untitled elements (separators) and the "Upgrade to Business" element are
  // left out with everything below them, though they keep a record.
  void Fill(const CXML_TreeElement* definition, int langid);

  // Every element visited by the last Fill, shown or not, in definition order.
  const std::vector<RibbonItem>& Records() const { return m_records; }

  std::int32_t NodeCount() const { return static_cast<std::int32_t>(m_nodes.size()); }
  const RibbonItem& Record(Node node) const { return m_records[m_nodes[node].record]; }
  Node Parent(Node node) const { return m_nodes[node].parent; }
  Node FirstTopLevel() const { return m_nodes.empty() ? kNoNode : 0; }
  Node FirstChild(Node node) const { return node + 1 < m_nodes[node].subtreeEnd ? node + 1 : kNoNode; }
  Node NextSibling(Node node) const { return m_nodes[node].nextSibling; }
  Node SubtreeEnd(Node node) const { return m_nodes[node].subtreeEnd; }
  bool Checked(Node node) const { return m_nodes[node].checked; }
  bool Expanded(Node node) const { return m_nodes[node].expanded; }

  // Null for none; the observer must outlive the tree or be removed first.
  void SetObserver(IRibbonTreeObserver* observer) { m_observer = observer; }

  // This item alone, as the keyboard toggles it.
  void SetChecked(Node node, bool checked);
  // The item and its whole subtree take `checked`; then each ancestor, up to the top, is checked
  // exactly when all its children are.
  void PropagateCheck(Node node, bool checked);
  // What a mouse click on the item's check box does before the box itself toggles: the subtree
  // and the ancestors take the state the item is about to have, the item keeps its own.
  void ClickCheckBox(Node node);
  void ClearRibbonChecks();
  void Expand(Node node);

  // The item named by `names` from the top level down, each the first sibling whose Name
  // matches ignoring case; kNoNode when a level has no match.
  Node FindPath(std::span<const std::u16string> names) const;
  // Finds the item, propagates `checked` from it and expands its ancestors; false when no item
  // has that path.
  bool CheckPath(std::span<const std::u16string> names, bool checked);

  // Checks every item that the RibbonUI section of a loaded document hides.
  void ApplyRibbonSection(const CXML_TreeElement* root);

  // The Names of the item and its ancestors, top level first.
  document::RibbonPath PathOf(Node node) const;
  // The paths to hide, in tree order: a checked, named item stands for its whole subtree.
  std::vector<document::RibbonPath> HiddenPaths() const;
  // Writes those paths into the RibbonUI section of the document being written.
  void WriteRibbonSection(document::CWriteContext& context) const;

 private:
  struct NodeData {
    std::int32_t record;
    Node parent;
    Node nextSibling;
    Node subtreeEnd;
    bool checked;
    bool expanded;
  };

  void Insert(const CXML_TreeElement* element, Node parent, Node& previousSibling, int langid);
  void Set(Node node, bool checked);
  void UpdateAncestors(Node node);

  std::vector<RibbonItem> m_records;
  std::vector<NodeData> m_nodes;
  IRibbonTreeObserver* m_observer = nullptr;
};

}  // namespace cadmira::pages
