#pragma once

#include <optional>

class QWidget;

namespace cadmira::framework {

// The control id a template gave `widget`; a dialog window itself carries 0. Widgets that no
// template made (Qt's inner widgets: a combo box's line edit, a tree's viewport) carry none.
std::optional<int> ControlId(const QWidget* widget);
void SetControlId(QWidget* widget, int id);

}  // namespace cadmira::framework
