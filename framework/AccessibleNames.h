#pragma once

#include <QString>

class QWidget;

namespace cadmira::framework {

// Gives each template-made edit, list, combo box and tree of `window` that has no accessible name
// the text of the static text or group box before it in template order, unless that text named
// another control already, as screen readers on the platform name such controls; buttons, check boxes and statics are
// named by their own text already. The static also becomes the control's buddy, which screen readers report as its
// label.
void NameControlsAfterTheirLabels(QWidget* window);

// A control text as a screen reader speaks it: "&&" is "&", any other "&" marks a mnemonic.
QString WithoutMnemonics(const QString& text);

}  // namespace cadmira::framework
