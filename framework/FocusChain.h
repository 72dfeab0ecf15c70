#pragma once

#include <vector>

class QWidget;

namespace cadmira::framework {

// Puts `widgets` one after the other in their window's Tab order. Null entries and widgets that
// take no Tab focus are left out; hidden and disabled ones keep their place, and Tab passes over
// them while they are.
void ChainFocus(const std::vector<QWidget*>& widgets);

// The controls `window` made from its template that take the Tab focus, in template order.
std::vector<QWidget*> TemplateTabStops(const QWidget* window);

// Moves `widget` in `chain` to just after `anchor`, or to the front when `anchor` is not in it.
void PlaceAfter(std::vector<QWidget*>& chain, QWidget* widget, const QWidget* anchor);

}  // namespace cadmira::framework
