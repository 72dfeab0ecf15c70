#pragma once

#include <QGroupBox>

namespace cadmira::framework {

// A frame with a title set into its top line, as dialog templates are drawn for: the line runs
// through the middle of the title, so the controls placed below it sit inside the frame.
class GroupBox : public QGroupBox {
  Q_OBJECT

 public:
  explicit GroupBox(const QString& title, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace cadmira::framework
