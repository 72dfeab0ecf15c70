#include "resources/DialogTemplate.h"

#include "resources/DialogTemplateAreas.h"

#include <algorithm>
#include <array>

namespace cadmira::resources {
namespace {

std::array<std::span<const DialogTemplateData>, 3> Areas() {
  return {MainWindowTemplates(), PageTemplates(), OptionPageTemplates()};
}

}  // namespace

const DialogTemplateData* DialogTemplate(int id) {
  for (const auto area : Areas()) {
    const auto found = std::find_if(area.begin(), area.end(), [id](const DialogTemplateData& d) { return d.id == id; });
    if (found != area.end()) return &*found;
  }
  return nullptr;
}

std::vector<int> DialogTemplateIds() {
  std::vector<int> ids;
  for (const auto area : Areas()) {
    for (const DialogTemplateData& dialog : area) ids.push_back(dialog.id);
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

}  // namespace cadmira::resources
