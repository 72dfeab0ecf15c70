#include "cli/SettingsCommand.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "pages/view/ModelPages.h"
#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/JsonWriter.h"
#include "pages/view/ProductWords.h"
#include "pages/view/RibbonPathText.h"
#include "pages/view/Vocabulary.h"
#include "document/ProductTable.h"
#include "document/Utf8Text.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "resources/StringTable.h"

namespace cadmira::cli {
namespace {

using document::PreferenceBinding;

// One value a control takes and the attribute values it writes.
struct Meaning {
  std::string value;
  std::vector<std::pair<std::u16string_view, std::u16string_view>> writes;
};

std::vector<Meaning> MeaningsOf(const pages::SettingName& setting) {
  const PreferenceBinding& binding = *setting.binding;
  std::vector<Meaning> meanings;
  if (setting.kind == pages::ValueKind::Text) {
    meanings.push_back({"text", {{binding.attributes[0], u"the text"}}});
    return meanings;
  }
  for (const int state : pages::CVocabulary::ListedStates(setting.kind)) {
    Meaning meaning{std::string(pages::CVocabulary::StateWord(setting.kind, state)), {}};
    for (std::size_t a = 0; a < binding.attributes.size(); ++a) {
      meaning.writes.emplace_back(binding.attributes[a], binding.states[state][a]);
    }
    meanings.push_back(std::move(meaning));
  }
  return meanings;
}

// A description as the page shows it: its line breaks, each line indented, no trailing blanks.
std::string Indented(std::u16string_view text, std::string_view indent) {
  std::string out;
  std::string line;
  auto flush = [&] {
    line.erase(line.find_last_not_of(' ') + 1);
    if (!line.empty()) out.append(indent).append(line);
    out += '\n';
    line.clear();
  };
  for (char c : document::ToUtf8(text)) {
    if (c == '\n') {
      flush();
    } else if (c != '\r') {
      line += c;
    }
  }
  flush();
  return out;
}

void WriteText(const pages::CVocabulary& vocabulary, std::ostream& out) {
  for (const pages::SettingName& setting : vocabulary.Names()) {
    const std::vector<Meaning> meanings = MeaningsOf(setting);
    out << setting.name << "  ";
    for (std::size_t i = 0; i < meanings.size(); ++i) out << (i > 0 ? "|" : "") << meanings[i].value;
    out << '\n';
    for (const Meaning& meaning : meanings) {
      out << "    " << meaning.value << ':';
      for (const auto& [attribute, value] : meaning.writes) {
        out << ' ' << document::ToUtf8(attribute) << '=' << CJsonWriter::Quoted(value);
      }
      out << '\n';
    }
    if (const pages::PreferencePageRow* row =
            pages::FindRowOfControl(setting.binding->dialogId, setting.binding->controlId)) {
      out << "  " << English(pages::RowTextId(*row, vocabulary.Product())) << '\n'
          << Indented(resources::EnglishString(pages::RowDescriptionId(*row, vocabulary.Product())), "    ");
    }
  }
}

void WriteJson(const pages::CVocabulary& vocabulary, std::ostream& out) {
  CJsonWriter json(out);
  json.BeginObject();
  json.Key("product");
  json.ByteName(pages::ProductWord(vocabulary.Product()));
  json.Key("settings");
  json.BeginArray();
  for (const pages::SettingName& setting : vocabulary.Names()) {
    json.BeginObject();
    json.Key("name");
    json.ByteName(setting.name);
    json.Key("values");
    if (setting.kind == pages::ValueKind::Text) {
      json.Null();
    } else {
      json.BeginArray();
      for (const int state : pages::CVocabulary::ListedStates(setting.kind)) {
        json.ByteName(pages::CVocabulary::StateWord(setting.kind, state));
      }
      json.EndArray();
    }
    json.Key("writes");
    json.BeginObject();
    for (const Meaning& meaning : MeaningsOf(setting)) {
      json.Key(meaning.value);
      json.BeginObject();
      for (const auto& [attribute, value] : meaning.writes) {
        json.Key(document::ToUtf8(attribute));
        json.Utf16(value);
      }
      json.EndObject();
    }
    json.EndObject();
    const pages::PreferencePageRow* row =
        pages::FindRowOfControl(setting.binding->dialogId, setting.binding->controlId);
    json.Key("row");
    row ? json.Utf16(resources::EnglishString(pages::RowTextId(*row, vocabulary.Product()))) : json.Null();
    json.Key("description");
    row ? json.Utf16(resources::EnglishString(pages::RowDescriptionId(*row, vocabulary.Product()))) : json.Null();
    json.Key("dialog");
    json.Integer(setting.binding->dialogId);
    json.Key("control");
    json.Integer(setting.binding->controlId);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  out << '\n';
}

// The names `set` takes after --hide-plugin and --hide-ribbon, one a line, as the fresh pages
// of the product hold them.
void WritePluginNames(const pages::CModelPages& pages, std::ostream& out) {
  for (std::size_t row = 0; row < pages.Plugins().Count(); ++row) {
    out << document::ToUtf8(pages.Plugins().Item(row).PIPath) << '\n';
  }
}

void WriteRibbonPaths(const pages::CModelPages& pages, std::ostream& out) {
  const pages::CRibbonTree& ribbon = pages.Ribbon();
  for (pages::CRibbonTree::Node node = 0; node < ribbon.NodeCount(); ++node) {
    // The nameless group of the ribbon's own tab elements cannot be named.
    if (!ribbon.Record(node).Name.empty()) out << document::ToUtf8(pages::RibbonPathText(ribbon.PathOf(node))) << '\n';
  }
}

}  // namespace

CLI::App* CSettingsCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("settings", "List every setting name of a product, its values and what they mean");
  AddProductOption(*command)->default_str("reader");
  AddJsonFlag(*command);
  CLI::Option* json = command->get_option("--json");
  CLI::Option* plugins =
      command->add_flag("--plugins", m_bPlugins, "List the file names of the product's plug-ins instead, one a line");
  CLI::Option* ribbon =
      command->add_flag("--ribbon", m_bRibbon, "List the paths of the product's ribbon elements instead, one a line");
  plugins->excludes(json)->excludes(ribbon);
  ribbon->excludes(json);
  return command;
}

int CSettingsCommand::Run(CliStreams& streams) {
  const resources::Product product = ChosenProduct().value_or(resources::Product::Reader);
  if (m_bPlugins || m_bRibbon) {
    const pages::CModelPages pages(product);
    if (m_bPlugins) WritePluginNames(pages, streams.out);
    if (m_bRibbon) WriteRibbonPaths(pages, streams.out);
    return kExitOk;
  }
  const pages::CVocabulary vocabulary(product);
  if (JsonWanted()) {
    WriteJson(vocabulary, streams.out);
  } else {
    WriteText(vocabulary, streams.out);
  }
  return kExitOk;
}

}  // namespace cadmira::cli
