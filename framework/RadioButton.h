#pragma once

#include <QList>
#include <QRadioButton>

class QKeyEvent;

namespace cadmira::framework {

// A radio button of one group of its dialog. A click, Space or an arrow key checks it and
// unchecks the others of its group; setting a button's check from code touches that button only,
// so a group may also have none checked. The group is one Tab stop, its checked button (the first
// when none is), and the arrows move within it; screen readers hear radio buttons.
class RadioButton : public QRadioButton {
  Q_OBJECT

 public:
  RadioButton(const QString& text, int group, QWidget* parent = nullptr);

  int Group() const { return m_group; }
  // The buttons of its group, in the order they were made, itself included.
  QList<RadioButton*> GroupButtons() const;

 protected:
  void nextCheckState() override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void JoinGroup();
  void UpdateGroupTabStop();

  int m_group;
};

}  // namespace cadmira::framework
