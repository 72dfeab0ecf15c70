#include "framework/TabControl.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

namespace cadmira::framework {

TabControl::TabControl(QWidget* parent) : QWidget(parent), m_tabBar(new QTabBar(this)) {
  m_tabBar->setDrawBase(false);
  m_tabBar->setExpanding(false);
  m_tabBar->setUsesScrollButtons(true);
  // A click on a tab takes the focus, as the keys that pick a tab have it.
  m_tabBar->setFocusPolicy(Qt::StrongFocus);
  m_tabBar->installEventFilter(this);
  connect(m_tabBar, &QTabBar::currentChanged, this, &TabControl::OnCurrentChanged);
  LayOutTabBar();
}

int TabControl::InsertItem(int index, const QString& text) {
  const bool wasEmpty = m_tabBar->count() == 0;
  m_quiet = true;
  const int inserted = m_tabBar->insertTab(index, text);
  m_quiet = false;
  if (wasEmpty) m_tabBar->setCurrentIndex(0);
  LayOutTabBar();
  return inserted;
}

int TabControl::ItemCount() const { return m_tabBar->count(); }

QString TabControl::ItemText(int index) const { return m_tabBar->tabText(index); }

void TabControl::SetItemText(int index, const QString& text) {
  m_tabBar->setTabText(index, text);
  LayOutTabBar();
}

int TabControl::CurSel() const { return m_tabBar->currentIndex(); }

void TabControl::SetCurSel(int index) {
  if (index < 0 || index >= m_tabBar->count()) return;
  m_quiet = true;
  m_tabBar->setCurrentIndex(index);
  m_quiet = false;
}

void TabControl::SetCurFocus(int index) {
  if (index < 0 || index >= m_tabBar->count()) return;
  m_tabBar->setCurrentIndex(index);
  m_tabBar->setFocus(Qt::OtherFocusReason);
}

void TabControl::OnCurrentChanged() {
  if (!m_quiet) emit SelectionChanged();
}

void TabControl::LayOutTabBar() {
  const int height = m_tabBar->sizeHint().height();
  m_tabBar->setGeometry(2, 0, qMax(0, width() - 4), height);
  update();
}

void TabControl::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOutTabBar();
}

void TabControl::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    m_tabBar->setFont(font());
    LayOutTabBar();
  }
}

void TabControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  const int top = m_tabBar->geometry().bottom() + 1 - style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
  frame.rect = QRect(0, top, width(), height() - top);
  frame.shape = QTabBar::RoundedNorth;
  frame.tabBarSize = m_tabBar->size();
  frame.tabBarRect = m_tabBar->geometry();
  frame.selectedTabRect = m_tabBar->tabRect(m_tabBar->currentIndex()).translated(m_tabBar->pos());
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabControl::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit Clicked();
}

bool TabControl::eventFilter(QObject* watched, QEvent* event) {
  // The tab bar changes the selection on the press; the click is told on the release, so whoever
  // listens reads the tab that this click selected.
  if (watched == m_tabBar && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit Clicked();
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace cadmira::framework
