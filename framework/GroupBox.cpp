#include "framework/GroupBox.h"

#include <QPainter>
#include <QStyle>

namespace cadmira::framework {
namespace {
constexpr int kTitleIndent = 8;
constexpr int kTitlePadding = 2;
}  // namespace

GroupBox::GroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics = fontMetrics();
  const QString text = title();
  const int textWidth = qMin(metrics.horizontalAdvance(text, Qt::TextShowMnemonic), width() - 2 * kTitleIndent);
  const QRect titleRect(kTitleIndent, 0, text.isEmpty() ? 0 : textWidth + 2 * kTitlePadding, metrics.height());

  // Drawn here: styles leave room for the title above their group-box frame. The line stops at
  // the title, whatever the background behind the box is.
  painter.setClipRegion(QRegion(rect()).subtracted(QRegion(titleRect)));
  const QRect frame = rect().adjusted(0, metrics.height() / 2, -1, -1);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRoundedRect(frame, 2, 2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 2, 2);
  painter.setClipping(false);

  if (text.isEmpty()) return;
  style()->drawItemText(&painter, titleRect.adjusted(kTitlePadding, 0, -kTitlePadding, 0),
                        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text,
                        QPalette::WindowText);
}

}  // namespace cadmira::framework
