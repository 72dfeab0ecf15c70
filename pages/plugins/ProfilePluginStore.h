#pragma once

#include <QString>

#include "pages/plugins/model/AddedPluginStore.h"

namespace cadmira::pages {

// The added plug-ins in the program's per-user settings: one text value per plug-in in the
// product's section, named after the plug-in, holding its file name.
class CProfilePluginStore : public IAddedPluginStore {
 public:
  explicit CProfilePluginStore(QString section = {}) : m_section(std::move(section)) {}

  std::vector<PluginItem> Load() const override;
  bool Store(const PluginItem& plugin) override;
  bool Replace(std::span<const PluginItem> plugins) override;

 private:
  QString m_section;
};

}  // namespace cadmira::pages
