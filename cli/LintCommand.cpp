#include "cli/LintCommand.h"

#include <ostream>
#include <utility>

#include <CLI/CLI.hpp>

#include "base/XmlTree.h"
#include "cli/English.h"
#include "cli/ExitCode.h"
#include "pages/view/ModelPages.h"
#include "cli/JsonWriter.h"
#include "cli/Linter.h"
#include "pages/view/ProductWords.h"
#include "document/CheckProduct.h"

namespace cadmira::cli {
namespace {

void WriteJsonFinding(CJsonWriter& json, const Finding& finding) {
  json.BeginObject();
  json.Key("code");
  json.ByteName(finding.code);
  json.Key("message");
  json.ByteName(finding.message);
  json.Key("where");
  json.ByteName(finding.where);
  json.EndObject();
}

}  // namespace

std::size_t LintConfigFile(const document::ConfigFile& file, std::optional<int> product, const FindingSink& sink) {
  if (!file.Root()) {
    sink({"unparsable", English(document::kXmlFormatError) + " (neither as plain nor as sealed XML)", "/"});
    return 1;
  }
  const CXML_TreeElement* root = file.Root();
  const std::string rootPath = '/' + std::string(TagName(root, true).View());
  if (!file.product) {
    sink({"unknown-root", English(document::kNotAConfigurationFile), rootPath});
    return 1;
  }
  if (product && *product != *file.product) {
    sink({"wrong-product",
          "a file of " + pages::ProductName(*file.product) + ", which the editor for " + pages::ProductName(*product) + " refuses",
          rootPath});
    return 1;
  }
  const pages::CVocabulary vocabulary(*file.product);
  const pages::CModelPages pages(*file.product);
  return CLinter(root, vocabulary, pages.Ribbon()).Run(sink);
}

CLI::App* CLintCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("lint", "Report what the editor would silently misread, ignore or drop in a file (exit 1 if anything)");
  AddProductOption(*command);
  AddJsonFlag(*command);
  AddInputArgument(*command, "FILE", "The configuration file (plain or sealed), or - for standard input");
  return command;
}

int CLintCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const Result<document::ConfigFile> file = ReadConfig(std::move(bytes));
  if (!file) {
    streams.err << file.error().message << '\n';
    return kExitUsage;
  }
  const std::optional<int> product = ChosenProduct();
  std::size_t found = 0;
  if (JsonWanted()) {
    CJsonWriter json(streams.out);
    json.BeginObject();
    json.Key("findings");
    json.BeginArray();
    found = LintConfigFile(file.value(), product, [&](const Finding& finding) { WriteJsonFinding(json, finding); });
    json.EndArray();
    json.EndObject();
    streams.out << '\n';
  } else {
    found = LintConfigFile(file.value(), product, [&](const Finding& finding) {
      streams.out << finding.where << ": " << finding.code << ": " << finding.message << '\n';
    });
  }
  return found == 0 ? kExitOk : kExitBadInput;
}

}  // namespace cadmira::cli
