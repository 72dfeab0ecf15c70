#include "cli/LintCommand.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "base/XmlTree.h"
#include "cli/ConfigInput.h"
#include "cli/ExitCode.h"
#include "cli/CliPages.h"
#include "cli/JsonWriter.h"
#include "cli/Linter.h"
#include "cli/ProductWords.h"
#include "document/CheckProduct.h"
#include "document/Utf8Text.h"
#include "resources/StringTable.h"

namespace cadmira::cli {
namespace {

std::string English(int id) { return document::ToUtf8(resources::EnglishString(id)); }

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
          "a file of " + ProductName(*file.product) + ", which the editor for " + ProductName(*product) + " refuses",
          rootPath});
    return 1;
  }
  const CVocabulary vocabulary(*file.product);
  const CCliPages pages(*file.product);
  return CLinter(root, vocabulary, pages.Ribbon()).Run(sink);
}

CLI::App* CLintCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("lint", "Report what the editor would silently misread, ignore or drop in a file (exit 1 if anything)");
  command->add_option("--product", m_strProduct, "The product the file must be for")
      ->check(CLI::IsMember({"reader", "orvanta"}));
  command->add_flag("--json", m_bJson, "Print one JSON object");
  command->add_option("FILE", m_strPath, "The configuration file (plain or sealed), or - for standard input")->required();
  return command;
}

int CLintCommand::Run(CliStreams& streams) {
  const Result<document::ConfigFile> file = ReadConfigInput(m_strPath, streams.in);
  if (!file) {
    streams.err << file.error().message << '\n';
    return kExitUsage;
  }
  const std::optional<int> product = m_strProduct.empty() ? std::nullopt : ProductFromWord(m_strProduct);
  std::size_t found = 0;
  if (m_bJson) {
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
