#include "pages/plugins/model/PluginFilter.h"

#include "base/AsciiCase.h"

namespace cadmira::pages {

bool PluginListed(const PluginItem& plugin, std::u16string_view text) {
  return AsciiContainsNoCase(plugin.Name, text) || AsciiContainsNoCase(plugin.PIPath, text);
}

std::vector<bool> ListedByFilter(const CPluginListModel& model, std::u16string_view text) {
  std::vector<bool> listed(model.Count());
  for (std::size_t row = 0; row < model.Count(); ++row) listed[row] = PluginListed(model.Item(row), text);
  return listed;
}

std::size_t HiddenPluginCount(const CPluginListModel& model) {
  std::size_t count = 0;
  for (std::size_t row = 0; row < model.Count(); ++row) count += model.Checked(row) ? 1 : 0;
  return count;
}

}  // namespace cadmira::pages
