#include "framework/TreeView.h"

#include <QAccessible>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>

namespace cadmira::framework {
namespace {

constexpr int kItemDataRole = Qt::UserRole;

// Draws the items as usual, the drop-highlighted one as selected, but never toggles a check box
// itself: the tree does that, after it has reported the click.
class NoToggleDelegate : public QStyledItemDelegate {
 public:
  explicit NoToggleDelegate(TreeView* tree) : QStyledItemDelegate(tree), m_tree(tree) {}

 protected:
  bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override {
    return false;
  }
  // As a selection, not as colours of the item: the style then keeps the tick in the colours of
  // its box.
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QTreeWidgetItem* highlighted = m_tree->DropHighlight();
    if (highlighted != nullptr && m_tree->itemFromIndex(index) == highlighted) option->state |= QStyle::State_Selected;
  }

 private:
  TreeView* m_tree;
};

}  // namespace

TreeView::TreeView(bool checkBoxes, QWidget* parent) : QTreeWidget(parent), m_checkBoxes(checkBoxes) {
  setHeaderHidden(true);
  setColumnCount(1);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setExpandsOnDoubleClick(true);
  setTextElideMode(Qt::ElideNone);
  header()->setStretchLastSection(true);
  setItemDelegate(new NoToggleDelegate(this));
}

QTreeWidgetItem* TreeView::InsertItem(const QString& text, QTreeWidgetItem* parent) {
  auto* item = new QTreeWidgetItem(QStringList{text});
  // User-checkable, so that screen readers announce the box; the delegate leaves the toggling to
  // the tree.
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (m_checkBoxes) flags |= Qt::ItemIsUserCheckable;
  item->setFlags(flags);
  if (m_checkBoxes) item->setCheckState(0, Qt::Unchecked);
  DescribeCheckState(item);
  if (parent != nullptr) {
    parent->addChild(item);
  } else {
    addTopLevelItem(item);
  }
  return item;
}

int TreeView::StateImage(const QTreeWidgetItem* item) const {
  if (item == nullptr) return kStateNone;
  const QVariant state = item->data(0, Qt::CheckStateRole);
  if (!state.isValid()) return kStateNone;
  return state.toInt() == Qt::Checked ? kStateChecked : kStateUnchecked;
}

void TreeView::SetStateImage(QTreeWidgetItem* item, int state) {
  if (item == nullptr) return;
  if (state == kStateNone) {
    item->setData(0, Qt::CheckStateRole, QVariant());
  } else {
    item->setCheckState(0, state == kStateChecked ? Qt::Checked : Qt::Unchecked);
  }
  DescribeCheckState(item);
}

void TreeView::SetCheckStateTexts(std::map<Qt::CheckState, QString> texts) {
  m_checkStateTexts = std::move(texts);
  for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) DescribeCheckState(*it);
}

void TreeView::DescribeCheckState(QTreeWidgetItem* item) {
  const QVariant state = item->data(0, Qt::CheckStateRole);
  const auto text = state.isValid() ? m_checkStateTexts.find(state.value<Qt::CheckState>()) : m_checkStateTexts.end();
  const QString description = text != m_checkStateTexts.end() ? text->second : QString();
  if (item->data(0, Qt::AccessibleDescriptionRole).toString() == description) return;
  item->setData(0, Qt::AccessibleDescriptionRole, description);
  if (item == currentItem()) AnnounceCheckState(item);
}

QAccessibleInterface* TreeView::AccessibleItem(QTreeWidgetItem* item) {
  QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(this);
  const QModelIndex index = indexFromItem(item);
  if (tree == nullptr || tree->tableInterface() == nullptr || !index.isValid()) return nullptr;
  for (const QTreeWidgetItem* parent = item->parent(); parent != nullptr; parent = parent->parent()) {
    if (!parent->isExpanded()) return nullptr;
  }
  // Qt's interface counts an item's row among the rows shown, from the top.
  int row = 0;
  for (QModelIndex above = indexAbove(index); above.isValid(); above = indexAbove(above)) ++row;
  return tree->tableInterface()->cellAt(row, 0);
}

// Screen readers follow the focused item only; the others are read when they get the focus. Qt
// tells them of neither change itself.
void TreeView::AnnounceCheckState(QTreeWidgetItem* item) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* cell = AccessibleItem(item);
  if (cell == nullptr) return;
  QAccessibleEvent described(cell, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&described);
  QAccessible::State checked;
  checked.checked = true;
  QAccessibleStateChangeEvent toggled(cell, checked);
  QAccessible::updateAccessibility(&toggled);
}

void TreeView::SetChecked(QTreeWidgetItem* item, bool checked) {
  SetStateImage(item, checked ? kStateChecked : kStateUnchecked);
}

void TreeView::SetPartlyChecked(QTreeWidgetItem* item, bool partly) {
  if (item == nullptr || StateImage(item) != kStateUnchecked || PartlyChecked(item) == partly) return;
  item->setCheckState(0, partly ? Qt::PartiallyChecked : Qt::Unchecked);
  DescribeCheckState(item);
}

bool TreeView::PartlyChecked(const QTreeWidgetItem* item) const {
  if (item == nullptr) return false;
  const QVariant state = item->data(0, Qt::CheckStateRole);
  return state.isValid() && state.toInt() == Qt::PartiallyChecked;
}

void TreeView::SetItemData(QTreeWidgetItem* item, quintptr data) {
  if (item != nullptr) item->setData(0, kItemDataRole, QVariant::fromValue<qulonglong>(data));
}

quintptr TreeView::ItemData(const QTreeWidgetItem* item) const {
  return item != nullptr ? static_cast<quintptr>(item->data(0, kItemDataRole).toULongLong()) : 0;
}

QTreeWidgetItem* TreeView::DropHighlight() const {
  return m_dropHighlight.isValid() ? itemFromIndex(m_dropHighlight) : nullptr;
}

void TreeView::SetDropHighlight(QTreeWidgetItem* item) {
  m_dropHighlight = item != nullptr ? QPersistentModelIndex(indexFromItem(item)) : QPersistentModelIndex();
  viewport()->update();
}

QRect TreeView::StateIconRect(const QModelIndex& index) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  option.index = index;
  option.text = index.data(Qt::DisplayRole).toString();
  option.features |= QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
  return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

TreeView::HitTestResult TreeView::HitTest(const QPoint& point) const {
  const QModelIndex index = indexAt(point);
  if (!index.isValid()) return {};
  QTreeWidgetItem* item = itemFromIndex(index);
  const bool onStateIcon = StateImage(item) != kStateNone && StateIconRect(index).contains(point);
  return {item, onStateIcon};
}

void TreeView::Toggle(QTreeWidgetItem* item) {
  if (StateImage(item) != kStateNone) SetChecked(item, !Checked(item));
}

void TreeView::mousePressEvent(QMouseEvent* event) {
  m_pressed = QPersistentModelIndex(indexAt(event->position().toPoint()));
  QTreeWidget::mousePressEvent(event);
}

void TreeView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QPoint point = event->position().toPoint();
  const bool sameItem = QModelIndex(m_pressed) == indexAt(point);
  m_pressed = QPersistentModelIndex();
  // A press on one item released on another is a drag, not a click: neither reported nor toggled.
  if (!sameItem) return;
  emit Clicked(point);
  const HitTestResult hit = HitTest(point);
  if (hit.onStateIcon) Toggle(hit.item);
}

void TreeView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && m_checkBoxes && currentItem() != nullptr) {
    Toggle(currentItem());
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

}  // namespace cadmira::framework
