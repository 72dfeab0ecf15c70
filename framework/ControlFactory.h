#pragma once

class QWidget;

namespace cadmira::resources {
struct ControlTemplate;
}

namespace cadmira::framework {

// The widget for one template control, as a child of `dialog`, with its text and its behaviour
// styles; geometry and id are the caller's. `radioGroup` names the group the control belongs to.
QWidget* CreateControl(const resources::ControlTemplate& control, int radioGroup, QWidget* dialog);

}  // namespace cadmira::framework
