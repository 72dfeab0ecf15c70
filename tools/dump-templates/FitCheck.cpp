#include "FitCheck.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>

#include "Templates.h"
#include "localization/Relabel.h"

namespace {

using cadmira::resources::ControlKind;
using cadmira::resources::ControlTemplate;

// Room a push button's frame takes around its text.
constexpr int kButtonPadding = 8;
// Room a group box's frame takes beside its title.
constexpr int kGroupTitlePadding = 16;

QString ShownText(QWidget* widget) {
  QString text;
  if (auto* button = qobject_cast<QAbstractButton*>(widget))
    text = button->text();
  else if (auto* label = qobject_cast<QLabel*>(widget))
    text = label->text();
  else if (auto* group = qobject_cast<QGroupBox*>(widget))
    text = group->title();
  text.replace("&&", QString(QChar(0x1)));
  text.remove('&');
  text.replace(QChar(0x1), "&");
  return text;
}

int IndicatorRoom(QWidget* widget, ControlKind kind) {
  QStyle* style = widget->style();
  if (kind == ControlKind::CheckBox) {
    return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget) +
           style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
  }
  return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget) +
         style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget);
}

QSize Wrapped(const QFontMetrics& metrics, const QString& text, int width) {
  const QRect bounds = metrics.boundingRect(QRect(0, 0, width, 100000), Qt::TextWordWrap, text);
  return {std::max(bounds.width(), width), bounds.height()};
}

QSize NeededSize(QWidget* widget, const ControlTemplate& control, const QString& text) {
  const QFontMetrics metrics(widget->font());
  const int line = metrics.height();
  const bool wraps = (control.style & cadmira::resources::kStyleMultiline) != 0;
  switch (control.kind) {
    case ControlKind::PushButton:
      return {metrics.horizontalAdvance(text) + kButtonPadding, line};
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      const int indicator = IndicatorRoom(widget, control.kind);
      if (!wraps) return {indicator + metrics.horizontalAdvance(text), line};
      const QSize wrapped = Wrapped(metrics, text, widget->width() - indicator);
      return {wrapped.width() + indicator, wrapped.height()};
    }
    case ControlKind::Static: {
      const auto* label = qobject_cast<QLabel*>(widget);
      if (label != nullptr && label->wordWrap()) return Wrapped(metrics, text, widget->width());
      return {metrics.horizontalAdvance(text), line};
    }
    case ControlKind::GroupBox:
      return {metrics.horizontalAdvance(text) + kGroupTitlePadding, line};
    default:
      return {0, 0};
  }
}

void CheckDialog(const cadmira::resources::DialogTemplateData& data, QStringList& problems) {
  cadmira::framework::Dialog dialog(data.id);
  dialog.Create();
  cadmira::localization::RelabelDialog(&dialog, data.id);
  for (const auto& [control, widget] : TemplateWidgets(dialog, data)) {
    const QString text = ShownText(widget);
    if (text.isEmpty()) continue;
    const QSize needed = NeededSize(widget, *control, text);
    if (needed.width() <= widget->width() && needed.height() <= widget->height()) continue;
    problems << QString("%1/%2 \"%3\": needs %4x%5, has %6x%7")
                    .arg(data.id)
                    .arg(control->id)
                    .arg(text)
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(widget->width())
                    .arg(widget->height());
  }
}

}  // namespace

QStringList CheckTextsFit() {
  QStringList problems;
  for (const int id : cadmira::resources::DialogTemplateIds()) {
    CheckDialog(*cadmira::resources::DialogTemplate(id), problems);
  }
  return problems;
}
