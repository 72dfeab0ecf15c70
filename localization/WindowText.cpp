#include "localization/WindowText.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace cadmira::localization {

void SetWindowText(QWidget* window, const QString& text) {
  if (auto* button = qobject_cast<QAbstractButton*>(window)) {
    button->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(window)) {
    label->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(window)) {
    group->setTitle(text);
  } else if (auto* line = qobject_cast<QLineEdit*>(window)) {
    line->setText(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(window)) {
    plain->setPlainText(text);
  } else if (auto* rich = qobject_cast<QTextEdit*>(window)) {
    rich->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(window)) {
    if (combo->isEditable()) combo->setEditText(text);
  } else {
    window->setWindowTitle(text);
  }
}

}  // namespace cadmira::localization
