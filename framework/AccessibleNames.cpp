#include "framework/AccessibleNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "framework/ControlId.h"

namespace cadmira::framework {
namespace {

bool NamedByItsLabel(const QWidget* control) {
  return qobject_cast<const QLineEdit*>(control) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(control) != nullptr ||
         qobject_cast<const QTextEdit*>(control) != nullptr || qobject_cast<const QComboBox*>(control) != nullptr ||
         qobject_cast<const QAbstractItemView*>(control) != nullptr;
}

// The text a static or group box shows; empty for other controls and for an icon.
QString StaticText(const QWidget* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* box = qobject_cast<const QGroupBox*>(control)) return box->title();
  return {};
}

}  // namespace

QString WithoutMnemonics(const QString& text) {
  QString spoken;
  spoken.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      spoken += text[i];
    } else if (i + 1 < text.size()) {
      spoken += text[++i];
    }
  }
  return spoken;
}

void NameControlsAfterTheirLabels(QWidget* window) {
  QWidget* label = nullptr;
  for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!ControlId(control)) continue;
    if (!StaticText(control).isEmpty()) {
      label = control;
      continue;
    }
    if (label == nullptr || !NamedByItsLabel(control) || !control->accessibleName().isEmpty()) continue;
    control->setAccessibleName(WithoutMnemonics(StaticText(label)));
    // The field of an editable combo box takes the focus itself when the value changes.
    if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->lineEdit() != nullptr) {
      combo->lineEdit()->setAccessibleName(control->accessibleName());
    }
    // The label belongs to the first control after it, and names no other.
    if (auto* text = qobject_cast<QLabel*>(label); text != nullptr && text->buddy() == nullptr) text->setBuddy(control);
    label = nullptr;
  }
}

}  // namespace cadmira::framework
