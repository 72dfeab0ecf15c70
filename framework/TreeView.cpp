#include "framework/TreeView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QStyleOptionViewItem>

namespace cadmira::framework {
namespace {

constexpr int kItemDataRole = Qt::UserRole;

// Draws the items as usual but never toggles a check box itself: the tree does that, after it has
// reported the click.
class NoToggleDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  bool editorEvent(QEvent*, QAbstractItemModel*, const QStyleOptionViewItem&, const QModelIndex&) override {
    return false;
  }
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
}

void TreeView::SetChecked(QTreeWidgetItem* item, bool checked) {
  SetStateImage(item, checked ? kStateChecked : kStateUnchecked);
}

void TreeView::SetPartlyChecked(QTreeWidgetItem* item, bool partly) {
  if (item == nullptr || StateImage(item) != kStateUnchecked || PartlyChecked(item) == partly) return;
  item->setCheckState(0, partly ? Qt::PartiallyChecked : Qt::Unchecked);
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
  if (QTreeWidgetItem* previous = DropHighlight()) {
    previous->setData(0, Qt::BackgroundRole, QVariant());
    previous->setData(0, Qt::ForegroundRole, QVariant());
  }
  m_dropHighlight = item != nullptr ? QPersistentModelIndex(indexFromItem(item)) : QPersistentModelIndex();
  if (item != nullptr) {
    item->setData(0, Qt::BackgroundRole, palette().brush(QPalette::Highlight));
    item->setData(0, Qt::ForegroundRole, palette().brush(QPalette::HighlightedText));
  }
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
