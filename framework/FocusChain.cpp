#include "framework/FocusChain.h"

#include <algorithm>

#include <QWidget>

#include "framework/ControlId.h"

namespace cadmira::framework {
namespace {

bool TakesTabFocus(const QWidget* widget) { return (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus; }

}  // namespace

void ChainFocus(const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (QWidget* widget : widgets) {
    if (widget == nullptr || !TakesTabFocus(widget)) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
}

std::vector<QWidget*> TemplateTabStops(const QWidget* window) {
  std::vector<QWidget*> stops;
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (ControlId(child) && TakesTabFocus(child)) stops.push_back(child);
  }
  return stops;
}

void PlaceAfter(std::vector<QWidget*>& chain, QWidget* widget, const QWidget* anchor) {
  if (widget == nullptr) return;
  chain.erase(std::remove(chain.begin(), chain.end(), widget), chain.end());
  const auto after = std::find(chain.begin(), chain.end(), anchor);
  chain.insert(after == chain.end() ? chain.begin() : std::next(after), widget);
}

}  // namespace cadmira::framework
