#include "cli/Linter.h"

#include <algorithm>
#include <unordered_map>

#include "base/AsciiCase.h"
#include "base/XmlTree.h"
#include "pages/view/RibbonPathText.h"
#include "pages/view/ProductWords.h"
#include "pages/view/ModelPages.h"
#include "document/HiddenRibbonPaths.h"
#include "document/PluginList.h"
#include "document/PreferenceReader.h"
#include "document/SectionLookup.h"
#include "document/Utf8Text.h"
#include "pages/plugins/model/PluginFileName.h"

namespace cadmira::cli {
namespace {

using document::MappingRule;
using document::PreferenceBinding;
using document::PreferenceRow;

constexpr std::string_view kSections[] = {"Preferences", "Plugins", "RibbonUI"};
constexpr std::size_t kQuotedLength = 40;

std::string Tag(const CXML_TreeElement* element) { return std::string(TagName(element, true).View()); }

std::string Quoted(std::u16string_view text) {
  std::string utf8 = document::ToUtf8(text.substr(0, kQuotedLength));
  if (text.size() > kQuotedLength) utf8 += "...";
  return '"' + utf8 + '"';
}

bool IsSection(std::string_view tag) {
  return std::any_of(std::begin(kSections), std::end(kSections),
                     [tag](std::string_view section) { return AsciiEqualNoCase(tag, section); });
}

bool IsKnownAttribute(const PreferenceRow& row, std::string_view name) {
  if (name == "Text") return true;
  return std::any_of(row.attributes.begin(), row.attributes.end(),
                     [name](std::u16string_view attribute) { return document::ToUtf8(attribute) == name; });
}

// "Disable=\"1\" Mode=\"\"": the attributes a binding reads, as the element gives them.
std::string ReadValues(const CXML_TreeElement* element, const PreferenceBinding& binding) {
  std::string text;
  for (std::u16string_view name : binding.attributes) {
    if (!text.empty()) text += ' ';
    const std::string attribute = document::ToUtf8(name);
    text += attribute + '=' + Quoted(document::AttributeOrEmpty(element, attribute));
  }
  return text;
}

}  // namespace

std::size_t CLinter::Run(const FindingSink& sink) {
  m_sink = &sink;
  m_count = 0;
  CheckSections();
  CheckPreferences(document::PreferencesElement(m_root));
  CheckPlugins();
  CheckRibbon();
  m_sink = nullptr;
  return m_count;
}

void CLinter::Add(std::string code, std::string message, std::string where) {
  ++m_count;
  (*m_sink)(Finding{std::move(code), std::move(message), std::move(where)});
}

void CLinter::CheckSections() {
  if (ChildCount(m_root) > 0 && !ChildElement(m_root, 0)) {
    Add("section-order", Tag(m_root) + " begins with text, so the editor finds no section at all", m_paths.Of(m_root));
    return;
  }
  const CXML_TreeElement* profstore = document::ProfstoreElement(m_root);
  if (!profstore) return;
  if (!AsciiEqualNoCase(TagName(profstore).View(), "Profstore")) {
    Add("section-order", "the editor takes " + Tag(profstore) + ", the first element, as Profstore",
        m_paths.Of(profstore));
  }
  const int count = ChildCount(profstore);
  if (count > 0 && !ChildElement(profstore, 0)) {
    Add("section-order", Tag(profstore) + " begins with text, so the editor reads no preferences",
        m_paths.Of(profstore));
  }
  std::unordered_map<std::string, const CXML_TreeElement*> seen;
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* section = ChildElement(profstore, i);
    if (!section) continue;
    std::string lowered(TagName(section).View());
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) { return AsciiLower(c); });
    const bool first = i == 0;
    if (first && lowered != "preferences") {
      Add("section-order", Tag(section) + " comes first, so the editor reads it as the Preferences section",
          m_paths.Of(section));
    } else if (!first && lowered == "preferences") {
      Add("section-order", "Preferences is not the first section, so the editor ignores it", m_paths.Of(section));
    } else if (!first && !IsSection(lowered)) {
      Add("unknown-section", "the editor ignores the section " + Tag(section), m_paths.Of(section));
    } else if (!first && seen.count(lowered)) {
      Add("duplicate-section", "the editor reads only the first " + Tag(section) + " section", m_paths.Of(section));
    }
    seen.emplace(lowered, section);
  }
}

void CLinter::CheckPreferences(const CXML_TreeElement* preferences) {
  std::unordered_map<const PreferenceRow*, const CXML_TreeElement*> firstOf;
  const int count = ChildCount(preferences);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* element = ChildElement(preferences, i);
    if (!element) {
      Add("text-in-preferences", "the editor ignores the text " + Quoted(ChildText(preferences, i)->text.View()),
          m_paths.Of(preferences));
      continue;
    }
    const std::string where = m_paths.Of(element);
    if (TagName(element).View() != "Preference") {
      Add("unexpected-tag", "the editor reads " + Tag(element) + " by its Text as if it were a Preference", where);
    }
    if (!HasAttribute(element, "Text")) {
      Add("unknown-key", "the editor ignores a Preference without Text", where);
      continue;
    }
    const std::u16string key = document::AttributeOrEmpty(element, "Text");
    const PreferenceRow* row = document::FindPreferenceRow(key);
    if (!row) {
      Add("unknown-key", "the editor ignores the unknown key " + Quoted(key), where);
      continue;
    }
    auto [first, isFirst] = firstOf.emplace(row, element);
    if (!isFirst) {
      Add("duplicate-setting",
          document::ToUtf8(row->key) + " is given again (first at " + m_paths.Of(first->second) +
              "); the later one wins for every control both set",
          where);
    }
    CheckPreference(element, *row);
  }
}

void CLinter::CheckPreference(const CXML_TreeElement* element, const PreferenceRow& row) {
  const std::string key = document::ToUtf8(row.key);
  if (!document::RowAppliesTo(row, m_vocabulary.Product())) {
    Add("other-product-key",
        key + " is a setting of " + pages::ProductName(pages::OtherProduct(m_vocabulary.Product())) +
            ": the editor keeps it on a page " + pages::ProductName(m_vocabulary.Product()) +
            " does not show, and Save drops it",
        m_paths.Of(element));
  }
  CheckAttributes(element, row);
  for (const PreferenceBinding& binding : row.bindings) CheckBinding(element, binding, row);
}

void CLinter::CheckAttributes(const CXML_TreeElement* element, const PreferenceRow& row) {
  const int count = AttributeCount(element);
  for (int i = 0; i < count; ++i) {
    const CXML_AttrEntry* entry = AttributeAt(element, i);
    std::string name(entry->prefix.View());
    if (!name.empty()) name += ':';
    name += entry->name.View();
    if (IsKnownAttribute(row, name)) continue;
    std::string hint;
    for (std::u16string_view attribute : row.attributes) {
      if (AsciiEqualNoCase(document::ToUtf8(attribute), name))
        hint = " (names are matched exactly: " + document::ToUtf8(attribute) + ")";
    }
    Add("unknown-attribute",
        document::ToUtf8(row.key) + " has no attribute " + name + ", so the editor ignores it" + hint,
        m_paths.OfAttribute(element, name));
  }
}

void CLinter::CheckBinding(const CXML_TreeElement* element, const PreferenceBinding& binding,
                           const PreferenceRow& row) {
  const pages::SettingName* setting = m_vocabulary.OfBinding(binding);
  if (!setting) {
    for (std::u16string_view name : binding.attributes) {
      const std::string attribute = document::ToUtf8(name);
      const std::u16string value = document::AttributeOrEmpty(element, attribute);
      if (!value.empty()) {
        Add("ignored-value",
            document::ToUtf8(row.key) + ' ' + attribute + '=' + Quoted(value) +
                " is never read, and Save writes it empty",
            m_paths.OfAttribute(element, attribute));
      }
    }
    return;
  }
  const std::string where = m_paths.OfAttribute(element, document::ToUtf8(binding.attributes[0]));
  const std::string values = ReadValues(element, binding);
  switch (binding.rule) {
    case MappingRule::States:
      if (document::MatchedState(binding, element) >= 0) return;
      if (binding.unmatchedState < 0) {
        Add("unmatched-value",
            setting->name + ": " + values + " matches no reading rule; the editor leaves the control as it was (" +
                std::string(pages::CVocabulary::StateWord(setting->kind, 0)) + " on fresh pages)",
            where);
      } else {
        Add("unmatched-value",
            setting->name + ": " + values + " matches no reading rule; the editor reads it as " +
                std::string(pages::CVocabulary::StateWord(setting->kind, binding.unmatchedState)),
            where);
      }
      return;
    case MappingRule::IntegerOn: {
      const std::string attribute = document::ToUtf8(binding.attributes[0]);
      if (document::AttributeOrEmpty(element, attribute).empty() || document::ReadsAsOn(binding, element)) return;
      Add("unmatched-value",
          setting->name + ": " + values + " is not 1, so the editor leaves the box as it was (off on fresh pages)",
          where);
      return;
    }
    case MappingRule::DisableTessadoc: {
      const std::string attribute = document::ToUtf8(binding.attributes[0]);
      const std::u16string value = document::AttributeOrEmpty(element, attribute);
      // 0 and nothing mean off as well; any other value is read as off, which its writer hardly meant.
      if (value.empty() || value == u"0" || document::ReadsAsOn(binding, element)) return;
      Add("unmatched-value", setting->name + ": " + values + " is not 1, so the editor reads it as off", where);
      return;
    }
    case MappingRule::Text:
    case MappingRule::AlwaysEmpty:
      return;
  }
}

void CLinter::CheckPlugins() {
  const CXML_TreeElement* plugins = document::ProfstoreSection(m_root, "Plugins");
  const CXML_TreeElement* plugin = plugins ? ChildElement(plugins, 0) : nullptr;
  const std::optional<std::u16string> value = document::ReadUnloadPluginArray(m_root);
  if (!plugin || !value) return;
  const std::size_t last = value->rfind(u';');
  const std::u16string_view rest =
      last == std::u16string::npos ? std::u16string_view(*value) : std::u16string_view(*value).substr(last + 1);
  if (!rest.empty()) {
    Add("plugin-without-semicolon", Quoted(rest) + " has no \";\" after it, so the editor ignores it",
        m_paths.OfAttribute(plugin, "UnloadPluginArray"));
  }
  for (const std::u16string& name : document::SplitUnloadPluginArray(*value)) {
    if (!pages::IsListableFileName(name) || m_pages.IsDefaultPlugin(name)) continue;
    Add(kUnknownPluginCode,
        Quoted(name) + " is not a default plug-in of " + pages::ProductName(m_vocabulary.Product()) +
            ", so the editor lists it from the file, after the others",
        m_paths.OfAttribute(plugin, "UnloadPluginArray"));
  }
}

void CLinter::CheckRibbon() {
  const CXML_TreeElement* section = document::ProfstoreSection(m_root, "RibbonUI");
  if (!section) return;
  const std::string where = m_paths.Of(section);
  document::VisitHiddenRibbonPaths(m_root, [&](std::span<const std::u16string> path) {
    if (m_pages.Ribbon().FindPath(path) != pages::CRibbonTree::kNoNode) return;
    Add("unknown-ribbon-name",
        "the ribbon of " + pages::ProductName(m_vocabulary.Product()) + " has no " + '"' +
            document::ToUtf8(pages::RibbonPathText(document::RibbonPath(path.begin(), path.end()))) +
            "\", so the editor drops it",
        where);
  });
}

}  // namespace cadmira::cli
