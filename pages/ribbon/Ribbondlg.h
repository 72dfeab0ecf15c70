#pragma once

#include <vector>

#include "framework/PageDialog.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "pages/ribbon/model/RibbonTreeObserver.h"
#include "resources/ResourceIds.h"

struct CXML_TreeElement;
class QPoint;
class QTreeWidgetItem;

namespace cadmira::framework {
class TreeView;
}

namespace cadmira::pages {

// The Ribbon Set page (dialog 149): the product's ribbon as a tree of check boxes, a checked
// item being an element to hide. The ribbon tree holds the states; the tree view shows them.
class CRibbondlg : public framework::PageDialog, private IRibbonTreeObserver {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kRibbonDialog;

  explicit CRibbondlg(QWidget* parent = nullptr);
  ~CRibbondlg() override;

  framework::TreeView* RibbonTree() const;
  const CRibbonTree& Tree() const { return m_tree; }
  // The view's item of a tree node (made when its branch was never opened), and back; null and
  // kNoNode when there is none.
  QTreeWidgetItem* Item(CRibbonTree::Node node);
  CRibbonTree::Node NodeOf(const QTreeWidgetItem* item) const;
  const RibbonItem* Record(const QTreeWidgetItem* item) const;

  void ClearRibbonChecks();
  // Checks the items that a loaded document hides and expands their ancestors.
  void ApplyRibbonSection(const CXML_TreeElement* root);
  void WriteRibbonSection(document::CWriteContext& context) const;

 protected:
  void OnInitDialog() override;

 private:
  void FillTree(int verid, int langid);
  void AddChildren(CRibbonTree::Node parent);
  void OnTreeClicked(const QPoint& point);
  void OnItemChanged(QTreeWidgetItem* item);
  void CheckChanged(CRibbonTree::Node node, bool checked) override;
  void Expanded(CRibbonTree::Node node) override;

  CRibbonTree m_tree;
  std::vector<QTreeWidgetItem*> m_items;
  bool m_following = false;
};

}  // namespace cadmira::pages
