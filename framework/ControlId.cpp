#include "framework/ControlId.h"

#include <QVariant>
#include <QWidget>

namespace cadmira::framework {
namespace {
constexpr const char* kControlIdProperty = "cadmiraControlId";
}

std::optional<int> ControlId(const QWidget* widget) {
  if (widget == nullptr) return std::nullopt;
  const QVariant value = widget->property(kControlIdProperty);
  if (!value.isValid()) return std::nullopt;
  return value.toInt();
}

void SetControlId(QWidget* widget, int id) { widget->setProperty(kControlIdProperty, id); }

}  // namespace cadmira::framework
