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

void WriteText(const std::vector<Finding>& findings, std::ostream& out) {
  for (const Finding& finding : findings) out << finding.where << ": " << finding.code << ": " << finding.message << '\n';
}

void WriteJson(const std::vector<Finding>& findings, std::ostream& out) {
  CJsonWriter json(out);
  json.BeginObject();
  json.Key("findings");
  json.BeginArray();
  for (const Finding& finding : findings) {
    json.BeginObject();
    json.Key("code");
    json.ByteName(finding.code);
    json.Key("message");
    json.ByteName(finding.message);
    json.Key("where");
    json.ByteName(finding.where);
    json.EndObject();
  }
  json.EndArray();
  json.EndObject();
  out << '\n';
}

}  // namespace

std::vector<Finding> LintConfigFile(const document::ConfigFile& file, std::optional<int> product) {
  if (!file.Root()) return {{"unparsable", English(document::kXmlFormatError) + " (neither as plain nor as sealed XML)", "/"}};
  const CXML_TreeElement* root = file.Root();
  const std::string rootPath = '/' + std::string(TagName(root, true).View());
  if (!file.product) return {{"unknown-root", English(document::kNotAConfigurationFile), rootPath}};
  if (product && *product != *file.product) {
    return {{"wrong-product",
             "a file of " + ProductName(*file.product) + ", which the editor for " + ProductName(*product) + " refuses",
             rootPath}};
  }
  const CVocabulary vocabulary(*file.product);
  const CCliPages pages(*file.product);
  return CLinter(root, vocabulary, pages.Ribbon()).Run();
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
  const std::vector<Finding> findings = LintConfigFile(file.value(), product);
  if (m_bJson) {
    WriteJson(findings, streams.out);
  } else {
    WriteText(findings, streams.out);
  }
  return findings.empty() ? kExitOk : kExitBadInput;
}

}  // namespace cadmira::cli
