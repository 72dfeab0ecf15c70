#include "pages/plugins/ProfilePluginStore.h"

#include "framework/ProfileStore.h"

namespace cadmira::pages {
namespace {

QString ToQString(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

std::vector<PluginItem> CProfilePluginStore::Load() const {
  std::vector<PluginItem> plugins;
  // Every value, whatever its length: a plug-in once added never drops out of the list unseen.
  for (const QString& name : framework::ProfileEntries(m_section)) {
    plugins.push_back({name.toStdU16String(), framework::ProfileString(m_section, name).toStdU16String()});
  }
  return plugins;
}

bool CProfilePluginStore::Store(const PluginItem& plugin) {
  return framework::WriteProfileString(m_section, ToQString(plugin.Name), ToQString(plugin.PIPath));
}

bool CProfilePluginStore::Replace(std::span<const PluginItem> plugins) {
  bool stored = framework::DeleteProfileSection(m_section);
  for (const PluginItem& plugin : plugins) stored = Store(plugin) && stored;
  return stored;
}

}  // namespace cadmira::pages
