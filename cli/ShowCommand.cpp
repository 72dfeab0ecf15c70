#include "cli/ShowCommand.h"

#include <optional>
#include <span>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "base/XmlTree.h"
#include "cli/English.h"
#include "cli/ExitCode.h"
#include "cli/JsonWriter.h"
#include "cli/PageViewOutput.h"
#include "pages/view/ModelPages.h"
#include "pages/view/ProductWords.h"
#include "document/CheckProduct.h"
#include "document/HiddenRibbonPaths.h"
#include "document/PluginList.h"
#include "document/PreferenceReader.h"
#include "document/ReadConfigFile.h"
#include "document/Utf8Text.h"

namespace cadmira::cli {
namespace {

// Everything `show` prints about one loaded file, taken from the tree once.
struct ShowReport {
  struct Element {
    std::u16string text;
    std::vector<std::pair<std::string, std::u16string>> attributes;  // qualified name (bytes), value
  };

  bool sealed = false;
  std::string root;
  std::optional<resources::Product> product;
  std::u16string version;
  std::vector<Element> preferences;
  std::optional<std::u16string> unloadPluginArray;
  std::vector<std::u16string> hiddenPlugins;
  // The hidden ribbon paths are printed straight from the tree: a deep section has far too many
  // long paths to hold at once.
  const CXML_TreeElement* tree = nullptr;
  std::optional<pages::PageView> pages;  // what the editor's pages show, for a file of either product
};

std::string QualifiedName(const CXML_AttrEntry& entry) {
  std::string name(entry.prefix.View());
  if (!name.empty()) name += ':';
  name += entry.name.View();
  return name;
}

ShowReport MakeShowReport(const document::ConfigFile& file) {
  ShowReport report;
  const CXML_TreeElement* root = file.Root();
  report.sealed = file.form == document::FileForm::Sealed;
  report.root = std::string(TagName(root).View());
  report.product = file.product;
  report.version = document::AttributeOrEmpty(root, "version");
  for (const CXML_TreeElement* element : document::PreferenceElements(root)) {
    ShowReport::Element shown{document::AttributeOrEmpty(element, "Text"), {}};
    for (int i = 0; i < AttributeCount(element); ++i) {
      const CXML_AttrEntry* entry = AttributeAt(element, i);
      shown.attributes.emplace_back(QualifiedName(*entry), std::u16string(entry->value.View()));
    }
    report.preferences.push_back(std::move(shown));
  }
  report.unloadPluginArray = document::ReadUnloadPluginArray(root);
  if (report.unloadPluginArray) report.hiddenPlugins = document::SplitUnloadPluginArray(*report.unloadPluginArray);
  report.tree = root;
  if (file.product) report.pages = pages::ViewOfLoadedTree(root, *file.product);
  return report;
}

void WriteShowText(const ShowReport& report, std::ostream& out) {
  const std::string_view product = report.product ? pages::ProductWord(*report.product) : "none";
  out << "form: " << (report.sealed ? "sealed" : "plain") << '\n'
      << "root: " << CJsonWriter::QuotedBytes(report.root) << '\n'
      << "product: " << product << '\n'
      << "version: " << CJsonWriter::Quoted(report.version) << '\n'
      << "preferences: " << report.preferences.size() << '\n';
  for (const ShowReport::Element& element : report.preferences) {
    out << "  " << CJsonWriter::Quoted(element.text) << ':';
    for (const auto& [name, value] : element.attributes) {
      out << ' ' << CJsonWriter::QuotedBytes(name) << '=' << CJsonWriter::Quoted(value);
    }
    out << '\n';
  }
  out << "UnloadPluginArray: " << (report.unloadPluginArray ? CJsonWriter::Quoted(*report.unloadPluginArray) : "none")
      << '\n'
      << "hiddenPlugins: " << report.hiddenPlugins.size() << '\n';
  for (const std::u16string& name : report.hiddenPlugins) out << "  " << CJsonWriter::Quoted(name) << '\n';
  std::size_t hiddenRibbon = 0;
  document::VisitHiddenRibbonPaths(report.tree, [&](std::span<const std::u16string>) { ++hiddenRibbon; });
  out << "hiddenRibbon: " << hiddenRibbon << '\n';
  document::VisitHiddenRibbonPaths(report.tree, [&](std::span<const std::u16string> path) {
    out << ' ';
    for (const std::u16string& name : path) out << ' ' << CJsonWriter::Quoted(name);
    out << '\n';
  });
  if (report.pages) WritePageViewText(*report.pages, out);
}

void WriteStringList(CJsonWriter& json, std::span<const std::u16string> items) {
  json.BeginArray();
  for (const std::u16string& item : items) json.Utf16(item);
  json.EndArray();
}

void WriteShowJson(const ShowReport& report, std::ostream& out) {
  CJsonWriter json(out);
  json.BeginObject();
  json.Key("form");
  json.ByteName(report.sealed ? "sealed" : "plain");
  json.Key("root");
  json.ByteName(report.root);
  json.Key("product");
  if (report.product) {
    json.ByteName(pages::ProductWord(*report.product));
  } else {
    json.Null();
  }
  json.Key("version");
  json.Utf16(report.version);
  json.Key("preferences");
  json.BeginArray();
  for (const ShowReport::Element& element : report.preferences) {
    json.BeginObject();
    json.Key("Text");
    json.Utf16(element.text);
    json.Key("attributes");
    json.BeginArray();
    for (const auto& [name, value] : element.attributes) {
      json.BeginArray();
      json.ByteName(name);
      json.Utf16(value);
      json.EndArray();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
  json.Key("UnloadPluginArray");
  if (report.unloadPluginArray) {
    json.Utf16(*report.unloadPluginArray);
  } else {
    json.Null();
  }
  json.Key("hiddenPlugins");
  WriteStringList(json, report.hiddenPlugins);
  json.Key("hiddenRibbon");
  json.BeginArray();
  document::VisitHiddenRibbonPaths(report.tree,
                                   [&](std::span<const std::u16string> path) { WriteStringList(json, path); });
  json.EndArray();
  json.Key("pages");
  if (report.pages) {
    WritePageViewJson(*report.pages, json);
  } else {
    json.Null();
  }
  json.EndObject();
  out << '\n';
}

}  // namespace

CLI::App* CShowCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("show", "Print what the editor takes from a configuration file (plain or sealed)");
  AddJsonFlag(*command);
  AddInputArgument(*command, "FILE", "The configuration file, or - for standard input");
  return command;
}

int CShowCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const ConfigTree input = ReadConfigTree(std::move(bytes), streams);
  if (!input.file) return input.refusal;
  const document::ConfigFile& file = *input.file;
  const ShowReport report = MakeShowReport(file);
  if (JsonWanted()) {
    WriteShowJson(report, streams.out);
  } else {
    WriteShowText(report, streams.out);
  }
  if (!file.product) {
    streams.err << English(document::kNotAConfigurationFile) << '\n';
    return kExitBadInput;
  }
  return kExitOk;
}

}  // namespace cadmira::cli
