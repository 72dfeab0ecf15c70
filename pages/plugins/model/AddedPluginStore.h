#pragma once

#include <span>
#include <vector>

#include "pages/plugins/model/PluginItem.h"

namespace cadmira::pages {

// Where the plug-ins added on this workstation are kept between runs, one name with its file
// name each. A store keeps every name and file name exactly, whatever its length or characters.
class IAddedPluginStore {
 public:
  virtual ~IAddedPluginStore() = default;

  // What is kept, in the order it was first written.
  virtual std::vector<PluginItem> Load() const = 0;
  // Keeps one more plug-in at once; a kept one of the same name (ignoring case) is replaced.
  virtual bool Store(const PluginItem& plugin) = 0;
  // Keeps exactly `plugins`, in their order.
  virtual bool Replace(std::span<const PluginItem> plugins) = 0;
};

}  // namespace cadmira::pages
