#include "cli/CliPages.h"

#include "base/AsciiCase.h"
#include "cli/ProductWords.h"
#include "cli/Vocabulary.h"
#include "document/PreferenceCatalogue.h"
#include "document/Utf8Text.h"
#include "pages/plugins/model/PluginFileName.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "resources/LanguageIds.h"
#include "resources/Version.h"

namespace cadmira::cli {
namespace {


// The version box at start: the program's file version cut before its last ".".
std::u16string FreshVersionText() {
  const std::string_view version = resources::kFileVersion;
  const std::size_t last = version.rfind('.');
  return document::FromUtf8(last == std::string_view::npos ? std::string_view() : version.substr(0, last));
}

bool EndsWithZpi(std::u16string_view name) {
  constexpr std::u16string_view kExtension = u".zpi";
  return name.size() > kExtension.size() && AsciiEqualNoCase(name.substr(name.size() - kExtension.size()), kExtension);
}

}  // namespace

CCliPages::CCliPages(int product) : m_product(product) {
  m_controls.SetText(document::kPreferencesDialog, document::kVersionEdit, FreshVersionText());
  const XmlTreePtr definition = pages::LoadRibbonDefinition(product, resources::kEnglishLangId);
  m_ribbon.Fill(definition.get(), resources::kEnglishLangId);
  m_plugins.Fill(product, resources::kEnglishLangId, nullptr);
}

int CCliPages::ValidateBeforeWrite() const { return pages::RefusalMessageId(pages::CheckBeforeWrite(m_controls)); }

void CCliPages::ClearRibbonChecks() { m_ribbon.ClearRibbonChecks(); }

void CCliPages::ApplyRibbonSection(const CXML_TreeElement* root) { m_ribbon.ApplyRibbonSection(root); }

void CCliPages::ApplyPluginSection(const CXML_TreeElement* root) {
  m_plugins.AdoptHiddenNames(root);
  m_plugins.ApplyPluginSection(root);
}

void CCliPages::WritePluginSection(document::CDomDocument& document) const {
  m_plugins.WritePluginSection(document,
                               m_controls.Checked(document::kTessadocDialog, document::kDisableTessadocCheck));
}

void CCliPages::WriteRibbonSection(document::CWriteContext& context) const { m_ribbon.WriteRibbonSection(context); }

Status CCliPages::SetSetting(const CVocabulary& vocabulary, std::string_view name, std::string_view value) {
  const Result<const SettingName*> setting = vocabulary.Find(name);
  if (!setting) return setting.error();
  return CVocabulary::SetValue(*setting.value(), value, m_controls);
}

Status CCliPages::SetVersion(std::string_view text) {
  if (!document::IsValidUtf8(text)) return Error{"the version text is not valid UTF-8"};
  m_controls.SetText(document::kPreferencesDialog, document::kVersionEdit, document::FromUtf8(text));
  return {};
}

void CCliPages::AddPluginIfMissing(std::u16string_view fileName) {
  if (!m_plugins.FindFileName(fileName)) {
    m_plugins.AppendAdded({std::u16string(pages::PluginCaption(fileName)), std::u16string(fileName)});
  }
}

Status CCliPages::SetPluginHidden(std::string_view fileName, bool hidden) {
  const std::u16string name = document::FromUtf8(fileName);
  if (!EndsWithZpi(name) || pages::PluginFileName(name) != name || !pages::IsListableFileName(name)) {
    return Error{"\"" + std::string(fileName) + "\" is not a plug-in file name (NAME.zpi, without a folder or \";\")"};
  }
  if (hidden) AddPluginIfMissing(name);
  m_plugins.SetCheckedByFileName(name, hidden);
  return {};
}

bool CCliPages::IsDefaultPlugin(std::u16string_view fileName) const {
  const std::optional<std::size_t> row = m_plugins.FindFileName(fileName);
  return row && m_plugins.IsInitialized(*row);
}

Status CCliPages::SetRibbonHidden(std::string_view path, bool hidden) {
  if (!m_ribbon.CheckPath(RibbonPathFromText(document::FromUtf8(path)), hidden)) {
    return Error{"the ribbon of " + ProductName(m_product) + " has no \"" + std::string(path) + '"'};
  }
  return {};
}

std::u16string RibbonPathText(const document::RibbonPath& path) {
  std::u16string text;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i > 0) text += u'/';
    text += path[i];
  }
  return text;
}

document::RibbonPath RibbonPathFromText(std::u16string_view text) {
  document::RibbonPath path;
  if (text.empty()) return path;
  for (std::size_t start = 0;;) {
    const std::size_t slash = text.find(u'/', start);
    path.emplace_back(text.substr(start, slash - start));
    if (slash == std::u16string_view::npos) break;
    start = slash + 1;
  }
  return path;
}

}  // namespace cadmira::cli
