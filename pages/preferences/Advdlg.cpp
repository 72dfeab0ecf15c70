#include "pages/preferences/Advdlg.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace cadmira::pages {

CAdvdlg::CAdvdlg() : COptionPage(kDialogId, true) {}

void CAdvdlg::OnInitDialog() {
  COptionPage::OnInitDialog();
  if (auto* edit = item<QLineEdit>(kRollingTimeEdit)) {
    // Composed text would bypass the key filter.
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->installEventFilter(this);
  }
}

bool CAdvdlg::RollingTimeKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return true;  // the main keyboard's and the keypad's
  switch (key) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
    // Enter and Escape go on to the page, which lets them pass.
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    // Keyboard users must be able to leave the edit.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    default:
      return false;
  }
}

bool CAdvdlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == item(kRollingTimeEdit)) {
    return !RollingTimeKey(*static_cast<QKeyEvent*>(event));
  }
  return COptionPage::eventFilter(watched, event);
}

}  // namespace cadmira::pages
