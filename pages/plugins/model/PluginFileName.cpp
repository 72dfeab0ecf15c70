#include "pages/plugins/model/PluginFileName.h"

namespace cadmira::pages {

std::u16string_view PluginFileName(std::u16string_view path) {
  const std::size_t separator = path.find_last_of(u"/\\");
  return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}

std::u16string_view PluginCaption(std::u16string_view fileName) {
  const std::size_t dot = fileName.rfind(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : fileName.substr(0, dot);
}

PluginItem PluginFromPath(std::u16string_view path) {
  const std::u16string_view fileName = PluginFileName(path);
  return {std::u16string(PluginCaption(fileName)), std::u16string(fileName)};
}

bool IsListableFileName(std::u16string_view fileName) {
  return !fileName.empty() && fileName.find(u';') == std::u16string_view::npos;
}

}  // namespace cadmira::pages
