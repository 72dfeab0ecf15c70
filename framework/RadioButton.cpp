#include "framework/RadioButton.h"

namespace cadmira::framework {

RadioButton::RadioButton(const QString& text, int group, QWidget* parent)
    : QRadioButton(text, parent), m_group(group) {
  setAutoExclusive(false);
}

void RadioButton::nextCheckState() {
  setChecked(true);
  if (parentWidget() == nullptr) return;
  for (RadioButton* peer : parentWidget()->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly)) {
    if (peer != this && peer->Group() == m_group) peer->setChecked(false);
  }
}

}  // namespace cadmira::framework
