#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/PageDialog.h"

struct CXML_TreeElement;
class QTreeWidgetItem;

namespace cadmira::framework {
class TreeView;
}

namespace cadmira::pages {

// One ribbon element of the definition: the caption shown and the product's name for it.
struct RibbonItem {
  std::u16string Title;
  std::u16string Name;
};

// The Ribbon Set page (dialog 149): the ribbon tree, whose checked items are hidden elements.
class CRibbondlg : public framework::PageDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 149;

  explicit CRibbondlg(QWidget* parent = nullptr);
  ~CRibbondlg() override;

  framework::TreeView* RibbonTree() const;

  // Appends an unchecked, collapsed item under `parent` (top level when null); its record lives
  // as long as the page.
  QTreeWidgetItem* InsertRibbonItem(const std::u16string& title, const std::u16string& name,
                                    QTreeWidgetItem* parent = nullptr);
  const RibbonItem* Record(const QTreeWidgetItem* item) const;

  // Unchecks every item.
  void ClearRibbonChecks();
  // Checks the items that the loaded document hides, with their subtrees, and every ancestor
  // whose children are then all checked; the checked items' ancestors are expanded.
  void ApplyRibbonSection(const CXML_TreeElement* root);

  // Gives `item` and its subtree `checked`, then makes each ancestor checked exactly when all
  // its children are.
  void PropagateCheck(QTreeWidgetItem* item, bool checked);

 protected:
  void OnInitDialog() override;

 private:
  std::vector<std::unique_ptr<RibbonItem>> m_records;
};

}  // namespace cadmira::pages
