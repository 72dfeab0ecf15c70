#pragma once

#include <utility>
#include <vector>

#include <QWidget>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "resources/DialogTemplate.h"

// Each control of a dialog's template beside the widget the framework made for it, matched by
// id in creation order (several controls may share id -1).
inline std::vector<std::pair<const cadmira::resources::ControlTemplate*, QWidget*>> TemplateWidgets(
    const cadmira::framework::Dialog& dialog, const cadmira::resources::DialogTemplateData& data) {
  std::vector<QWidget*> made;
  for (QWidget* widget : dialog.findChildren<QWidget*>()) {
    if (cadmira::framework::ControlId(widget)) made.push_back(widget);
  }
  std::vector<std::pair<const cadmira::resources::ControlTemplate*, QWidget*>> pairs;
  for (const auto& control : data.controls) {
    for (auto it = made.begin(); it != made.end(); ++it) {
      if (cadmira::framework::ControlId(*it) == control.id) {
        pairs.emplace_back(&control, *it);
        made.erase(it);
        break;
      }
    }
  }
  return pairs;
}
