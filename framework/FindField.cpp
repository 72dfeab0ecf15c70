#include "framework/FindField.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace cadmira::framework {
namespace {

class EscapeClears : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    static_cast<QLineEdit*>(watched)->clear();
    return true;
  }
};

}  // namespace

void ClearOnEscape(QLineEdit* edit) {
  if (edit != nullptr) edit->installEventFilter(new EscapeClears(edit));
}

}  // namespace cadmira::framework
