#pragma once

#include <QRadioButton>

namespace cadmira::framework {

// A radio button of one group of its dialog. A click checks it and unchecks the others of its
// group; setting a button's check from code touches that button only, so a group may also have
// none checked.
class RadioButton : public QRadioButton {
  Q_OBJECT

 public:
  RadioButton(const QString& text, int group, QWidget* parent = nullptr);

  int Group() const { return m_group; }

 protected:
  void nextCheckState() override;

 private:
  int m_group;
};

}  // namespace cadmira::framework
