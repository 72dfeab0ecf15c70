#include "cli/ApplyCommand.h"

#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/InputFile.h"
#include "cli/Manifest.h"
#include "cli/PagesOutput.h"
#include "cli/ProductWords.h"

namespace cadmira::cli {

CLI::App* CApplyCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("apply", "Write the file whose pages show what a manifest says (configuration as code)");
  command->add_option("MANIFEST", m_strManifest,
                      "JSON with product, version, settings, hiddenPlugins, hiddenRibbon (or show --json output); - reads standard input")
      ->required();
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  command->add_option("--product", m_strProduct, "The product, when the manifest names none")
      ->check(CLI::IsMember({"reader", "orvanta"}));
  command->add_flag("--plain", m_bPlain, "Write the plain XML instead of the sealed form");
  return command;
}

int CApplyCommand::Run(CliStreams& streams) {
  const Result<std::vector<unsigned char>> bytes = ReadInputFile(m_strManifest, streams.in);
  if (!bytes) {
    streams.err << bytes.error().message << '\n';
    return kExitUsage;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.value().data()), bytes.value().size());
  const std::optional<int> product = m_strProduct.empty() ? std::nullopt : ProductFromWord(m_strProduct);
  const Result<std::unique_ptr<CCliPages>> pages = PagesFromManifest(text, product);
  if (!pages) {
    streams.err << m_strManifest << ": " << pages.error().message << '\n';
    return kExitBadInput;
  }
  return WritePages(*pages.value(), m_strOutput, !m_bPlain, streams);
}

}  // namespace cadmira::cli
