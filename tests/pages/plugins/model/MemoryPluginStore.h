#pragma once

#include <algorithm>
#include <vector>

#include "base/AsciiCase.h"
#include "pages/plugins/model/AddedPluginStore.h"

namespace cadmira::pages {

// A store that keeps its plug-ins in memory and counts its writes.
class MemoryPluginStore : public IAddedPluginStore {
 public:
  std::vector<PluginItem> Load() const override { return kept; }
  bool Store(const PluginItem& plugin) override {
    ++writes;
    const auto same = std::find_if(kept.begin(), kept.end(),
                                   [&](const PluginItem& k) { return AsciiEqualNoCase(k.Name, plugin.Name); });
    if (same != kept.end()) {
      same->PIPath = plugin.PIPath;
    } else {
      kept.push_back(plugin);
    }
    return true;
  }
  bool Replace(std::span<const PluginItem> plugins) override {
    ++writes;
    kept.assign(plugins.begin(), plugins.end());
    return true;
  }

  std::vector<PluginItem> kept;
  int writes = 0;
};

}  // namespace cadmira::pages
