#pragma once

#include <vector>

#include "framework/PageDialog.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "pages/ribbon/model/RibbonTreeObserver.h"
#include "resources/Product.h"
#include "resources/ResourceIds.h"

struct CXML_TreeElement;
class QLabel;
class QLineEdit;
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
  static constexpr int kFindEdit = resources::kFindEdit;
  static constexpr int kHiddenCountLabel = resources::kHiddenCountLabel;

  explicit CRibbondlg(QWidget* parent = nullptr);
  ~CRibbondlg() override;

  framework::TreeView* RibbonTree() const;
  QLineEdit* FindEdit() const;
  QLabel* HiddenCountLabel() const;
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

  // The tree, the find field that narrows it, then the rest in template order.
  std::vector<QWidget*> FocusChain() const override;

 signals:
  // Items were ticked or unticked, once for each action however many items it changed.
  void ChecksChanged();

 protected:
  void OnInitDialog() override;

 private:
  void FillTree(resources::Product product, int langid);
  void AddChildren(CRibbonTree::Node parent);
  void OnTreeClicked(const QPoint& point);
  void OnItemChanged(QTreeWidgetItem* item);
  void SetUpFind();
  // Shows the items the find text leaves, with their ancestors open; an empty text brings the tree
  // back as it was before the first letter, every branch open or closed as it was then.
  void ApplyFilter(const QString& text);
  // The partly checked branches and the count line, after any change of the ticks.
  void ShowMarks();
  void ChecksDone();
  void CheckChanged(CRibbonTree::Node node, bool checked) override;
  void Expanded(CRibbonTree::Node node) override;

  CRibbonTree m_tree;
  std::vector<QTreeWidgetItem*> m_items;
  bool m_following = false;
  // While a find text is typed: the items it leaves, and each branch's open state before it.
  std::vector<bool> m_shown;
  std::vector<bool> m_expandedBefore;
};

}  // namespace cadmira::pages
