#include "pages/ribbon/Ribbondlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <span>
#include <string>

#include "base/AsciiCase.h"
#include "document/HiddenRibbonPaths.h"
#include "framework/TreeView.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

constexpr int kRibbonTree = 1022;

void SetSubtree(framework::TreeView& tree, QTreeWidgetItem* item, bool checked) {
  tree.SetChecked(item, checked);
  for (int i = 0; i < item->childCount(); ++i) SetSubtree(tree, item->child(i), checked);
}

void UncheckAll(framework::TreeView& tree) {
  for (int i = 0; i < tree.topLevelItemCount(); ++i) SetSubtree(tree, tree.topLevelItem(i), false);
}

}  // namespace

CRibbondlg::CRibbondlg(QWidget* parent) : PageDialog(kDialogId, parent) { SetKeyPassThrough(true); }

CRibbondlg::~CRibbondlg() = default;

framework::TreeView* CRibbondlg::RibbonTree() const { return item<framework::TreeView>(kRibbonTree); }

void CRibbondlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  if (auto* label = item<QLabel>(1028)) label->setText(LoadUiString(147));
  if (auto* box = item<QGroupBox>(1026)) box->setTitle(LoadUiString(145));
  if (auto* description = item<QPlainTextEdit>(1025)) description->setPlainText(LoadUiString(153));
}

QTreeWidgetItem* CRibbondlg::InsertRibbonItem(const std::u16string& title, const std::u16string& name,
                                              QTreeWidgetItem* parent) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return nullptr;
  m_records.push_back(std::make_unique<RibbonItem>(RibbonItem{title, name}));
  QTreeWidgetItem* added = tree->InsertItem(QString::fromStdU16String(title), parent);
  tree->SetItemData(added, reinterpret_cast<quintptr>(m_records.back().get()));
  return added;
}

const RibbonItem* CRibbondlg::Record(const QTreeWidgetItem* item) const {
  const framework::TreeView* tree = RibbonTree();
  return tree != nullptr ? reinterpret_cast<const RibbonItem*>(tree->ItemData(item)) : nullptr;
}

void CRibbondlg::ClearRibbonChecks() {
  if (framework::TreeView* tree = RibbonTree()) UncheckAll(*tree);
}

void CRibbondlg::PropagateCheck(QTreeWidgetItem* item, bool checked) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr || item == nullptr) return;
  SetSubtree(*tree, item, checked);
  for (QTreeWidgetItem* ancestor = item->parent(); ancestor != nullptr; ancestor = ancestor->parent()) {
    bool all = true;
    for (int i = 0; i < ancestor->childCount() && all; ++i) all = tree->Checked(ancestor->child(i));
    tree->SetChecked(ancestor, all);
  }
}

void CRibbondlg::ApplyRibbonSection(const CXML_TreeElement* root) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return;
  document::VisitHiddenRibbonPaths(root, [&](std::span<const std::u16string> path) {
    QTreeWidgetItem* parent = nullptr;
    for (std::size_t level = 0; level < path.size(); ++level) {
      const int count = parent != nullptr ? parent->childCount() : tree->topLevelItemCount();
      QTreeWidgetItem* match = nullptr;
      for (int i = 0; i < count && match == nullptr; ++i) {
        QTreeWidgetItem* candidate = parent != nullptr ? parent->child(i) : tree->topLevelItem(i);
        const RibbonItem* record = Record(candidate);
        if (record != nullptr && AsciiEqualNoCase(record->Name, path[level])) match = candidate;
      }
      if (match == nullptr) break;
      if (level + 1 == path.size()) {
        PropagateCheck(match, true);
        for (QTreeWidgetItem* ancestor = match->parent(); ancestor != nullptr; ancestor = ancestor->parent()) {
          ancestor->setExpanded(true);
        }
      }
      parent = match;
    }
  });
}

}  // namespace cadmira::pages
