#pragma once

#include <QString>

class QWidget;

namespace cadmira::localization {

// Sets what the platform calls a window's text: a window's title, a label's or button's text,
// a group box's title, an edit's contents, an editable combo box's edit text.
void SetWindowText(QWidget* window, const QString& text);

}  // namespace cadmira::localization
