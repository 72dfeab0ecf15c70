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
#include "document/Seal.h"

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

std::size_t LintConfigFile(const document::ConfigFile& file, std::optional<resources::Product> product,
                           const FindingSink& sink, bool truncated) {
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
          "a file of " + pages::ProductName(*file.product) + ", which the editor for " + pages::ProductName(*product) +
              " refuses",
          rootPath});
    return 1;
  }
  std::size_t found = 0;
  if (truncated) {
    sink(TruncationFinding(file));
    ++found;
  }
  const pages::CVocabulary vocabulary(*file.product);
  const pages::CModelPages pages(*file.product);
  return found + CLinter(root, vocabulary, pages).Run(sink);
}

bool EndsBeforeRootCloses(const document::ConfigFile& file, std::vector<unsigned char> input) {
  if (!file.Root()) return false;
  if (file.form == document::FileForm::Sealed) document::SealBuffer(input.data(), input.size());
  return document::EndsBeforeRootCloses(std::move(input));
}

Finding TruncationFinding(const document::ConfigFile& file) {
  return {"truncated", "the file ends before its root element is closed, so the editor reads only what comes before",
          '/' + std::string(TagName(file.Root(), true).View())};
}

CLI::App* CLintCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "lint", "Report what the editor would silently misread, ignore or drop in a file (exit 1 if anything)");
  AddProductOption(*command);
  AddJsonFlag(*command);
  AddInputArgument(*command, "FILE", "The configuration file (plain or sealed), or - for standard input");
  return command;
}

int CLintCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  std::vector<unsigned char> input = bytes;
  const Result<document::ConfigFile> read = ReadConfig(std::move(bytes));
  if (!read) {
    streams.err << read.error().message << '\n';
    return kExitUsage;
  }
  const document::ConfigFile& file = read.value();
  const bool truncated = EndsBeforeRootCloses(file, std::move(input));
  const std::optional<resources::Product> product = ChosenProduct();
  std::size_t found = 0;
  if (JsonWanted()) {
    CJsonWriter json(streams.out);
    json.BeginObject();
    json.Key("findings");
    json.BeginArray();
    found = LintConfigFile(
        file, product, [&](const Finding& finding) { WriteJsonFinding(json, finding); }, truncated);
    json.EndArray();
    json.EndObject();
    streams.out << '\n';
  } else {
    found = LintConfigFile(
        file, product,
        [&](const Finding& finding) {
          streams.out << finding.where << ": " << finding.code << ": " << finding.message << '\n';
        },
        truncated);
  }
  return found == 0 ? kExitOk : kExitBadInput;
}

}  // namespace cadmira::cli
