#include "pages/plugins/model/PluginListModel.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "document/PluginList.h"
#include "pages/plugins/model/AddedPluginStore.h"
#include "pages/plugins/model/DefaultPluginList.h"
#include "pages/plugins/model/PluginFileName.h"

namespace cadmira::pages {
void CPluginListModel::Fill(resources::Product product, int language, IAddedPluginStore* store) {
  for (PluginItem& plugin : ReadDefaultPlugins(DefaultPluginResource(product, language))) {
    AppendDefault(std::move(plugin));
  }
  m_store = store;
  if (m_store == nullptr) return;
  for (PluginItem& plugin : m_store->Load()) AppendAdded(std::move(plugin));
}

void CPluginListModel::AppendDefault(PluginItem plugin) {
  m_defaultFiles.push_back(plugin.PIPath);
  AppendRow(std::move(plugin));
}

void CPluginListModel::AppendAdded(PluginItem plugin) {
  m_added.push_back(plugin);
  AppendRow(std::move(plugin));
}

void CPluginListModel::AppendRow(PluginItem plugin) {
  m_rows.push_back({std::move(plugin), false});
  if (m_observer != nullptr) m_observer->OnPluginInserted(m_rows.size() - 1);
}

void CPluginListModel::SetChecked(std::size_t row, bool checked) {
  Row& target = m_rows.at(row);
  if (target.checked == checked) return;
  target.checked = checked;
  if (m_observer != nullptr) m_observer->OnPluginChecked(row, checked);
}

std::size_t CPluginListModel::SetCheckedByFileName(std::u16string_view fileName, bool checked) {
  std::size_t found = 0;
  for (std::size_t row = 0; row < m_rows.size(); ++row) {
    if (!AsciiEqualNoCase(m_rows[row].plugin.PIPath, fileName)) continue;
    SetChecked(row, checked);
    ++found;
  }
  return found;
}

std::optional<std::size_t> CPluginListModel::FindFileName(std::u16string_view fileName) const {
  for (std::size_t row = 0; row < m_rows.size(); ++row) {
    if (AsciiEqualNoCase(m_rows[row].plugin.PIPath, fileName)) return row;
  }
  return std::nullopt;
}

bool CPluginListModel::IsInitialized(std::size_t row) const {
  const std::u16string& fileName = Item(row).PIPath;
  return std::any_of(m_defaultFiles.begin(), m_defaultFiles.end(),
                     [&](const std::u16string& defaultFile) { return AsciiEqualNoCase(defaultFile, fileName); });
}

PluginAddOutcome CPluginListModel::CheckAdd(std::u16string_view chosenPath) const {
  const std::u16string_view fileName = PluginFileName(chosenPath);
  if (!IsListableFileName(fileName)) return PluginAddOutcome::BadFileName;
  if (FindFileName(fileName)) return PluginAddOutcome::Duplicate;
  return PluginAddOutcome::Added;
}

PluginAddResult CPluginListModel::Add(std::u16string_view chosenPath) {
  const PluginAddOutcome outcome = CheckAdd(chosenPath);
  if (outcome != PluginAddOutcome::Added) return {outcome};
  PluginItem plugin = PluginFromPath(chosenPath);
  if (m_store != nullptr) m_store->Store(plugin);
  AppendAdded(std::move(plugin));
  return {PluginAddOutcome::Added, m_rows.size() - 1};
}

bool CPluginListModel::Remove(std::size_t row) {
  if (IsInitialized(row)) return false;
  const std::u16string& fileName = Item(row).PIPath;
  const auto added = std::find_if(m_added.begin(), m_added.end(),
                                  [&](const PluginItem& plugin) { return AsciiEqualNoCase(plugin.PIPath, fileName); });
  if (added != m_added.end()) m_added.erase(added);
  m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(row));
  if (m_observer != nullptr) m_observer->OnPluginRemoved(row);
  return true;
}

void CPluginListModel::ApplyPluginSection(const CXML_TreeElement* root) {
  const std::optional<std::u16string> value = document::ReadUnloadPluginArray(root);
  if (!value) return;
  const document::CHiddenPluginSet hidden(document::SplitUnloadPluginArray(*value));
  for (std::size_t row = 0; row < m_rows.size(); ++row) SetChecked(row, hidden.Contains(m_rows[row].plugin.PIPath));
}

std::size_t CPluginListModel::AdoptHiddenNames(const CXML_TreeElement* root) {
  const std::optional<std::u16string> value = document::ReadUnloadPluginArray(root);
  if (!value) return 0;
  std::size_t adopted = 0;
  for (std::u16string& name : document::SplitUnloadPluginArray(*value)) {
    if (!IsListableFileName(name) || FindFileName(name)) continue;
    std::u16string caption(PluginCaption(name));
    AppendRow({std::move(caption), std::move(name)});
    ++adopted;
  }
  return adopted;
}

std::vector<std::u16string> CPluginListModel::HiddenFileNames() const {
  std::vector<std::u16string> names;
  for (const Row& row : m_rows) {
    if (row.checked) names.push_back(row.plugin.PIPath);
  }
  return names;
}

void CPluginListModel::WritePluginSection(document::CDomDocument& document, bool disableTessadoc) const {
  document::WritePluginSection(document, document::JoinUnloadPluginArray(HiddenFileNames(), disableTessadoc));
}

bool CPluginListModel::RewriteStore() const { return m_store == nullptr || m_store->Replace(m_added); }

}  // namespace cadmira::pages
