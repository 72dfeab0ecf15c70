#include "pages/ribbon/Ribbondlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "framework/ProfileStore.h"
#include "framework/TreeView.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "pages/ribbon/model/RibbonDefinition.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

constexpr int kRibbonTree = 1022;

}  // namespace

CRibbondlg::CRibbondlg(QWidget* parent) : Dialog(kDialogId, parent) { SetKeyPassThrough(true); }

CRibbondlg::~CRibbondlg() { m_tree.SetObserver(nullptr); }

framework::TreeView* CRibbondlg::RibbonTree() const { return item<framework::TreeView>(kRibbonTree); }

QTreeWidgetItem* CRibbondlg::Item(CRibbonTree::Node node) const {
  return node >= 0 && static_cast<std::size_t>(node) < m_items.size() ? m_items[node] : nullptr;
}

CRibbonTree::Node CRibbondlg::NodeOf(const QTreeWidgetItem* item) const {
  const framework::TreeView* tree = RibbonTree();
  if (tree == nullptr || item == nullptr) return CRibbonTree::kNoNode;
  const auto node = static_cast<CRibbonTree::Node>(tree->ItemData(item));
  return Item(node) == item ? node : CRibbonTree::kNoNode;
}

const RibbonItem* CRibbondlg::Record(const QTreeWidgetItem* item) const {
  const CRibbonTree::Node node = NodeOf(item);
  return node != CRibbonTree::kNoNode ? &m_tree.Record(node) : nullptr;
}

void CRibbondlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  if (auto* label = item<QLabel>(1028)) label->setText(LoadUiString(147));
  if (auto* box = item<QGroupBox>(1026)) box->setTitle(LoadUiString(145));
  if (auto* description = item<QPlainTextEdit>(1025)) description->setPlainText(LoadUiString(153));
  FillTree(framework::ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0),
           framework::ProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), kEnglishLanguage));
}

void CRibbondlg::FillTree(int verid, int langid) {
  framework::TreeView* tree = RibbonTree();
  if (tree == nullptr) return;
  const XmlTreePtr definition = LoadRibbonDefinition(verid, langid);
  m_tree.Fill(definition.get(), langid);
  m_items.assign(static_cast<std::size_t>(m_tree.NodeCount()), nullptr);
  // Each tab's items are built apart from the view and handed over in one step: an item added to
  // a tree in the view costs a model notification each.
  QList<QTreeWidgetItem*> tabs;
  for (CRibbonTree::Node node = 0; node < m_tree.NodeCount(); ++node) {
    const CRibbonTree::Node parent = m_tree.Parent(node);
    QTreeWidgetItem* added = tree->InsertItem(QString::fromStdU16String(m_tree.Record(node).Title), Item(parent));
    if (parent == CRibbonTree::kNoNode) tabs << tree->takeTopLevelItem(tree->indexOfTopLevelItem(added));
    tree->SetItemData(added, static_cast<quintptr>(node));
    m_items[node] = added;
  }
  tree->addTopLevelItems(tabs);
  m_tree.SetObserver(this);
  connect(tree, &framework::TreeView::Clicked, this, &CRibbondlg::OnTreeClicked);
  connect(tree, &QTreeWidget::itemChanged, this, &CRibbondlg::OnItemChanged);
}

void CRibbondlg::ClearRibbonChecks() { m_tree.ClearRibbonChecks(); }

void CRibbondlg::ApplyRibbonSection(const CXML_TreeElement* root) { m_tree.ApplyRibbonSection(root); }

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
}

void CRibbondlg::CheckChanged(CRibbonTree::Node node, bool checked) {
  m_following = true;
  RibbonTree()->SetChecked(Item(node), checked);
  m_following = false;
}

void CRibbondlg::Expanded(CRibbonTree::Node node) { Item(node)->setExpanded(true); }

}  // namespace cadmira::pages
