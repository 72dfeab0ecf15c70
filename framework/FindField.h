#pragma once

class QLineEdit;

namespace cadmira::framework {

// Makes Escape in a find field clear it, as find fields do, instead of going on to the window.
void ClearOnEscape(QLineEdit* edit);

}  // namespace cadmira::framework
