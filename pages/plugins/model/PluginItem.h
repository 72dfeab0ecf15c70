#pragma once

#include <string>

namespace cadmira::pages {

// One plug-in row: its caption and the file name that identifies it on the Plugins page.
struct PluginItem {
  std::u16string Name;
  std::u16string PIPath;

  friend bool operator==(const PluginItem&, const PluginItem&) = default;
};

}  // namespace cadmira::pages
