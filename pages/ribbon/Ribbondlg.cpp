#include "pages/ribbon/Ribbondlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/FindField.h"
#include "framework/FocusChain.h"
#include "framework/StoredSettings.h"
#include "framework/TreeView.h"
#include "localization/CheckStateTexts.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonFilter.h"
#include "pages/ribbon/model/RibbonMarks.h"
#include "resources/ResourceIds.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

constexpr int kRibbonTree = 1022;

}  // namespace

CRibbondlg::CRibbondlg(QWidget* parent) : PageDialog(kDialogId, parent) { SetKeyPassThrough(true); }

CRibbondlg::~CRibbondlg() { m_tree.SetObserver(nullptr); }

framework::TreeView* CRibbondlg::RibbonTree() const { return item<framework::TreeView>(kRibbonTree); }

QLineEdit* CRibbondlg::FindEdit() const { return item<QLineEdit>(kFindEdit); }

QLabel* CRibbondlg::HiddenCountLabel() const { return item<QLabel>(kHiddenCountLabel); }

QTreeWidgetItem* CRibbondlg::Item(CRibbonTree::Node node) {
  if (node < 0 || static_cast<std::size_t>(node) >= m_items.size()) return nullptr;
  if (m_items[node] == nullptr) AddChildren(m_tree.Parent(node));
  return m_items[node];
}

CRibbonTree::Node CRibbondlg::NodeOf(const QTreeWidgetItem* item) const {
  const framework::TreeView* tree = RibbonTree();
  if (tree == nullptr || item == nullptr) return CRibbonTree::kNoNode;
  const auto node = static_cast<CRibbonTree::Node>(tree->ItemData(item));
  const bool known = node >= 0 && static_cast<std::size_t>(node) < m_items.size() && m_items[node] == item;
  return known ? node : CRibbonTree::kNoNode;
}

const RibbonItem* CRibbondlg::Record(const QTreeWidgetItem* item) const {
  const CRibbonTree::Node node = NodeOf(item);
  return node != CRibbonTree::kNoNode ? &m_tree.Record(node) : nullptr;
}

void CRibbondlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  if (auto* label = item<QLabel>(resources::kRibbonLabel)) {
    label->setText(LoadUiString(resources::kRibbonOptionsLabel));
  }
  if (auto* box = item<QGroupBox>(resources::kRibbonDescriptionBox)) {
    box->setTitle(LoadUiString(resources::kDescriptionTitle));
  }
  if (auto* description = item<QPlainTextEdit>(resources::kRibbonDescriptionEdit)) {
    description->setPlainText(LoadUiString(resources::kRibbonDescription));
  }
  FillTree(framework::StoredProduct(), framework::StoredLanguage());
  SetUpFind();
  ShowMarks();
}

void CRibbondlg::SetUpFind() {
  if (auto* label = item<QLabel>(resources::kFindLabel)) label->setText(LoadUiString(resources::kFindText));
  QLineEdit* find = FindEdit();
  if (find == nullptr) return;
  framework::ClearOnEscape(find);
  connect(find, &QLineEdit::textChanged, this, &CRibbondlg::ApplyFilter);
}

std::vector<QWidget*> CRibbondlg::FocusChain() const {
  // After the tree, as on the Plugins page: selecting the tab puts the focus in the tree, and
  // Shift+Tab from there still goes back to the tab strip.
  std::vector<QWidget*> chain = PageDialog::FocusChain();
  framework::PlaceAfter(chain, FindEdit(), RibbonTree());
  return chain;
}

void CRibbondlg::ApplyFilter(const QString& text) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return;
  const bool wasFiltering = !m_shown.empty();
  if (text.isEmpty()) {
    if (!wasFiltering) return;
    m_shown.clear();
    for (CRibbonTree::Node node = 0; node < m_tree.NodeCount(); ++node) {
      if (m_items[node] == nullptr) continue;
      m_items[node]->setHidden(false);
      m_items[node]->setExpanded(m_expandedBefore[node]);
    }
    m_expandedBefore.clear();
    return;
  }
  if (!wasFiltering) {
    m_expandedBefore.assign(m_items.size(), false);
    for (std::size_t node = 0; node < m_items.size(); ++node) {
      m_expandedBefore[node] = m_items[node] != nullptr && m_items[node]->isExpanded();
    }
  }
  m_shown = ShownByFilter(m_tree, text.toStdU16String());
  for (CRibbonTree::Node node = 0; node < m_tree.NodeCount(); ++node) {
    if (!m_shown[node]) {
      if (m_items[node] != nullptr) m_items[node]->setHidden(true);
      continue;
    }
    QTreeWidgetItem* shown = Item(node);
    shown->setHidden(false);
    const CRibbonTree::Node parent = m_tree.Parent(node);
    if (parent != CRibbonTree::kNoNode) m_items[parent]->setExpanded(true);
  }
  // A branch whose shown items all lie deeper than its children stays open only through them.
  for (CRibbonTree::Node node = 0; node < m_tree.NodeCount(); ++node) {
    if (m_items[node] == nullptr || !m_shown[node]) continue;
    bool shownChild = false;
    for (CRibbonTree::Node child = m_tree.FirstChild(node); child != CRibbonTree::kNoNode && !shownChild;
         child = m_tree.NextSibling(child)) {
      shownChild = m_shown[child];
    }
    if (!shownChild) m_items[node]->setExpanded(false);
  }
}

void CRibbondlg::ShowMarks() {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return;
  const std::vector<CheckMark> marks = CheckMarks(m_tree);
  m_following = true;
  for (std::size_t node = 0; node < m_items.size(); ++node) {
    if (m_items[node] != nullptr) tree->SetPartlyChecked(m_items[node], marks[node] == CheckMark::PartlyChecked);
  }
  m_following = false;
  if (QLabel* count = HiddenCountLabel()) {
    count->setText(LoadUiString(resources::kControlsHiddenText).arg(HiddenItemCount(m_tree)));
  }
}

void CRibbondlg::ChecksDone() {
  ShowMarks();
  emit ChecksChanged();
}

void CRibbondlg::FillTree(resources::Product product, int langid) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return;
  tree->SetCheckStateTexts(localization::CheckStateTexts());
  const XmlTreePtr definition = LoadRibbonDefinition(product, langid);
  m_tree.Fill(definition.get(), langid);
  m_items.assign(static_cast<std::size_t>(m_tree.NodeCount()), nullptr);
  AddChildren(CRibbonTree::kNoNode);
  m_tree.SetObserver(this);
  connect(tree, &framework::TreeView::Clicked, this, &CRibbondlg::OnTreeClicked);
  connect(tree, &QTreeWidget::itemChanged, this, &CRibbondlg::OnItemChanged);
  connect(tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { AddChildren(NodeOf(item)); });
}

// The view holds the top level and the branches opened so far; the rest of the ribbon lives in
// the ribbon tree alone until its branch is first opened, so that the page starts quickly.
void CRibbondlg::AddChildren(CRibbonTree::Node parent) {
  framework::TreeView* tree = RibbonTree();
  const CRibbonTree::Node first = parent == CRibbonTree::kNoNode ? m_tree.FirstTopLevel() : m_tree.FirstChild(parent);
  if (tree == nullptr || first == CRibbonTree::kNoNode || m_items[first] != nullptr) return;
  QTreeWidgetItem* parentItem = parent == CRibbonTree::kNoNode ? nullptr : Item(parent);
  m_following = true;
  for (CRibbonTree::Node node = first; node != CRibbonTree::kNoNode; node = m_tree.NextSibling(node)) {
    QTreeWidgetItem* added = tree->InsertItem(QString::fromStdU16String(m_tree.Record(node).Title), parentItem);
    tree->SetItemData(added, static_cast<quintptr>(node));
    tree->SetChecked(added, m_tree.Checked(node));
    if (m_tree.FirstChild(node) != CRibbonTree::kNoNode) added->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (!m_shown.empty() && !m_shown[node]) added->setHidden(true);
    m_items[node] = added;
  }
  m_following = false;
  // Opened later, a branch shows which of its own branches hold hidden items.
  if (parent != CRibbonTree::kNoNode) ShowMarks();
}

void CRibbondlg::ClearRibbonChecks() {
  m_tree.ClearRibbonChecks();
  ChecksDone();
}

void CRibbondlg::ApplyRibbonSection(const CXML_TreeElement* root) {
  m_tree.ApplyRibbonSection(root);
  ChecksDone();
}

void CRibbondlg::WriteRibbonSection(document::CWriteContext& context) const { m_tree.WriteRibbonSection(context); }

void CRibbondlg::OnTreeClicked(const QPoint& point) {
  framework::TreeView* tree = RibbonTree();
  const framework::TreeView::HitTestResult hit = tree->HitTest(point);
  tree->SetDropHighlight(hit.item);
  const CRibbonTree::Node node = NodeOf(hit.item);
  // The tree toggles the box itself right after this; the rest of the tree follows here.
  if (hit.onStateIcon && node != CRibbonTree::kNoNode) m_tree.ClickCheckBox(node);
}

// A box the view toggled on its own (the mouse, Space, assistive technology) changes that item.
void CRibbondlg::OnItemChanged(QTreeWidgetItem* item) {
  const CRibbonTree::Node node = NodeOf(item);
  if (m_following || node == CRibbonTree::kNoNode) return;
  const bool checked = RibbonTree()->Checked(item);
  if (checked != m_tree.Checked(node)) m_tree.SetChecked(node, checked);
  ChecksDone();
}

// A branch not opened yet takes its states from the ribbon tree when it is.
void CRibbondlg::CheckChanged(CRibbonTree::Node node, bool checked) {
  if (m_items[node] == nullptr) return;
  m_following = true;
  RibbonTree()->SetChecked(m_items[node], checked);
  m_following = false;
}

void CRibbondlg::Expanded(CRibbonTree::Node node) {
  Item(node)->setExpanded(true);
  // A load opens the branches of what it ticks, and they stay open once the find field is cleared.
  if (!m_expandedBefore.empty()) m_expandedBefore[node] = true;
}

}  // namespace cadmira::pages
