#include "framework/ListBox.h"

#include <QScrollBar>

namespace cadmira::framework {
namespace {
constexpr int kItemDataRole = Qt::UserRole;
}

ListBox::ListBox(bool sorted, QWidget* parent) : QListWidget(parent), m_sorted(sorted) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setTextElideMode(Qt::ElideNone);
  setUniformItemSizes(true);
}

int ListBox::Compare(const QString& a, const QString& b) const {
  return m_collator ? m_collator->compare(a, b) : QString::compare(a, b, Qt::CaseInsensitive);
}

int ListBox::AddString(const QString& text) {
  int index = count();
  if (m_sorted) {
    // After every row that sorts before or equal to it.
    index = 0;
    while (index < count() && Compare(item(index)->text(), text) <= 0) ++index;
  }
  insertItem(index, text);
  return index;
}

void ListBox::SetItemData(int index, qintptr data) {
  if (QListWidgetItem* row = item(index)) row->setData(kItemDataRole, QVariant::fromValue<qlonglong>(data));
}

qintptr ListBox::ItemData(int index) const {
  const QListWidgetItem* row = item(index);
  return row != nullptr ? static_cast<qintptr>(row->data(kItemDataRole).toLongLong()) : 0;
}

void ListBox::SetHorizontalExtent(int pixels) {
  m_horizontalExtent = qMax(0, pixels);
  updateGeometries();
}

void ListBox::updateGeometries() {
  // Each scroll bar shown or hidden here resizes the viewport, which lays the list out again; where
  // the list's own measure and the extent disagree about the horizontal bar that never ends.
  if (m_updatingGeometries) return;
  m_updatingGeometries = true;
  QListWidget::updateGeometries();
  QScrollBar* bar = horizontalScrollBar();
  const int range = qMax(0, m_horizontalExtent - viewport()->width());
  bar->setRange(0, range);
  bar->setPageStep(viewport()->width());
  bar->setSingleStep(qMax(1, fontMetrics().averageCharWidth()));
  m_updatingGeometries = false;
}

}  // namespace cadmira::framework
