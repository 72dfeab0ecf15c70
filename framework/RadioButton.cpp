#include "framework/RadioButton.h"

#include <QButtonGroup>
#include <QKeyEvent>

namespace cadmira::framework {
namespace {

constexpr const char* kGroupProperty = "cadmiraRadioGroup";

}  // namespace

RadioButton::RadioButton(const QString& text, int group, QWidget* parent) : QRadioButton(text, parent), m_group(group) {
  // Qt reports a button that is not auto-exclusive as a check box. The group of its own, which is
  // not exclusive, keeps the exclusion to clicks and keys, as the platform's radio buttons have it.
  setAutoExclusive(true);
  JoinGroup();
  connect(this, &QAbstractButton::toggled, this, &RadioButton::UpdateGroupTabStop);
  UpdateGroupTabStop();
}

void RadioButton::JoinGroup() {
  QWidget* dialog = parentWidget();
  if (dialog == nullptr) return;
  QButtonGroup* group = nullptr;
  for (QButtonGroup* candidate : dialog->findChildren<QButtonGroup*>(Qt::FindDirectChildrenOnly)) {
    if (candidate->property(kGroupProperty).toInt() == m_group) group = candidate;
  }
  if (group == nullptr) {
    group = new QButtonGroup(dialog);
    group->setExclusive(false);
    group->setProperty(kGroupProperty, m_group);
  }
  group->addButton(this);
}

QList<RadioButton*> RadioButton::GroupButtons() const {
  QList<RadioButton*> buttons;
  if (group() == nullptr) return {const_cast<RadioButton*>(this)};
  for (QAbstractButton* button : group()->buttons()) {
    if (auto* radio = qobject_cast<RadioButton*>(button)) buttons << radio;
  }
  return buttons;
}

void RadioButton::nextCheckState() {
  setChecked(true);
  for (RadioButton* peer : GroupButtons()) {
    if (peer != this) peer->setChecked(false);
  }
}

void RadioButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
  const bool backward = key == Qt::Key_Left || key == Qt::Key_Up;
  if (!forward && !backward) {
    QRadioButton::keyPressEvent(event);
    return;
  }
  event->accept();
  const QList<RadioButton*> buttons = GroupButtons();
  const qsizetype count = buttons.size();
  const qsizetype at = buttons.indexOf(this);
  // The next button that can take the focus, round the group.
  for (qsizetype step = 1; step < count; ++step) {
    RadioButton* next = buttons[(at + (forward ? step : count - step)) % count];
    if (!next->isVisible() || !next->isEnabled()) continue;
    next->setFocus(Qt::TabFocusReason);
    next->click();
    return;
  }
}

void RadioButton::UpdateGroupTabStop() {
  const QList<RadioButton*> buttons = GroupButtons();
  RadioButton* stop = buttons.first();
  for (RadioButton* button : buttons) {
    if (button->isChecked()) stop = button;
  }
  for (RadioButton* button : buttons) button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace cadmira::framework
