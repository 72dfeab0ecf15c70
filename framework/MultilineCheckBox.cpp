#include "framework/MultilineCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace cadmira::framework {

MultilineCheckBox::MultilineCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void MultilineCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString text = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_CheckBox, option);

  const QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  const int gap = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
  const QRect textRect(indicator.right() + 1 + gap, 0, width() - indicator.right() - 1 - gap, height());
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = painter.boundingRect(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

bool MultilineCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace cadmira::framework
