#pragma once

#include <QCheckBox>

namespace cadmira::framework {

// A check box whose text wraps within its width and sits vertically centred beside the box; the
// whole control takes the click.
class MultilineCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  explicit MultilineCheckBox(const QString& text, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

}  // namespace cadmira::framework
