#include "pages/view/ModelPages.h"

#include "base/AsciiCase.h"
#include "document/LoadDocument.h"
#include "document/Utf8Text.h"
#include "pages/plugins/model/PluginFileName.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/view/ProductWords.h"
#include "pages/view/RibbonPathText.h"
#include "pages/view/Vocabulary.h"

namespace cadmira::pages {
namespace {

bool EndsWithZpi(std::u16string_view name) {
  constexpr std::u16string_view kExtension = u".zpi";
  return name.size() > kExtension.size() && AsciiEqualNoCase(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

CModelPages::CModelPages(resources::Product product, int langid) : m_product(product) {
  m_controls.SetText(document::kPreferencesDialog, document::kVersionEdit, FreshVersionText());
  const XmlTreePtr definition = LoadRibbonDefinition(product, langid);
  m_ribbon.Fill(definition.get(), langid);
  m_plugins.Fill(product, langid, nullptr);
}

CModelPages::CModelPages(resources::Product product, int langid, const std::vector<PluginItem>& workstationPlugins)
    : CModelPages(product, langid) {
  for (const PluginItem& plugin : workstationPlugins) m_plugins.AppendAdded(plugin);
}

int CModelPages::ValidateBeforeWrite() const { return RefusalMessageId(CheckBeforeWrite(m_controls)); }

void CModelPages::ClearRibbonChecks() { m_ribbon.ClearRibbonChecks(); }

void CModelPages::ApplyRibbonSection(const CXML_TreeElement* root) { m_ribbon.ApplyRibbonSection(root); }

void CModelPages::ApplyPluginSection(const CXML_TreeElement* root) {
  m_plugins.AdoptHiddenNames(root);
  m_plugins.ApplyPluginSection(root);
}

void CModelPages::WritePluginSection(document::CDomDocument& document) const {
  m_plugins.WritePluginSection(document,
                               m_controls.Checked(document::kTessadocDialog, document::kDisableTessadocCheck));
}

void CModelPages::WriteRibbonSection(document::CWriteContext& context) const { m_ribbon.WriteRibbonSection(context); }

Status CModelPages::SetSetting(const CVocabulary& vocabulary, std::string_view name, std::string_view value) {
  const Result<const SettingName*> setting = vocabulary.Find(name);
  if (!setting) return setting.error();
  return CVocabulary::SetValue(*setting.value(), value, m_controls);
}

Status CModelPages::SetVersion(std::string_view text) {
  if (!document::IsValidUtf8(text)) return Error{"the version text is not valid UTF-8"};
  m_controls.SetText(document::kPreferencesDialog, document::kVersionEdit, document::FromUtf8(text));
  return {};
}

void CModelPages::AddPluginIfMissing(std::u16string_view fileName) {
  if (!m_plugins.FindFileName(fileName)) {
    m_plugins.AppendAdded({std::u16string(PluginCaption(fileName)), std::u16string(fileName)});
  }
}

Status CModelPages::SetPluginHidden(std::string_view fileName, bool hidden) {
  const std::u16string name = document::FromUtf8(fileName);
  if (!EndsWithZpi(name) || PluginFileName(name) != name || !IsListableFileName(name)) {
    return Error{"\"" + std::string(fileName) + "\" is not a plug-in file name (NAME.zpi, without a folder or \";\")"};
  }
  if (hidden) AddPluginIfMissing(name);
  m_plugins.SetCheckedByFileName(name, hidden);
  return {};
}

bool CModelPages::IsDefaultPlugin(std::u16string_view fileName) const {
  const std::optional<std::size_t> row = m_plugins.FindFileName(fileName);
  return row && m_plugins.IsInitialized(*row);
}

Status CModelPages::SetRibbonHidden(std::string_view path, bool hidden) {
  if (!m_ribbon.CheckPath(RibbonPathFromText(document::FromUtf8(path)), hidden)) {
    return Error{"the ribbon of " + ProductName(m_product) + " has no \"" + std::string(path) + '"'};
  }
  return {};
}

PageView ViewOfPages(const CModelPages& pages) {
  return ViewOf(pages.Product(), pages.Controls(), pages.Plugins(), pages.Ribbon());
}

PageView ViewOfLoadedTree(const CXML_TreeElement* root, resources::Product product, int langid) {
  CModelPages pages(product, langid);
  document::ApplyDocument(root, pages);
  return ViewOfPages(pages);
}

}  // namespace cadmira::pages
