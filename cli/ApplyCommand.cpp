#include "cli/ApplyCommand.h"

#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/Manifest.h"
#include "cli/PagesOutput.h"

namespace cadmira::cli {

CLI::App* CApplyCommand::Register(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("apply", "Write the file whose pages show what a manifest says (configuration as code)");
  AddInputArgument(
      *command, "MANIFEST",
      "JSON with product, version, settings, hiddenPlugins, hiddenRibbon (or show --json output); - reads standard input");
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  AddProductOption(*command);
  command->add_flag("--plain", m_bPlain, "Write the plain XML instead of the sealed form");
  return command;
}

int CApplyCommand::RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  const Result<std::unique_ptr<pages::CModelPages>> pages = PagesFromManifest(text, ChosenProduct());
  if (!pages) {
    streams.err << InputPath() << ": " << pages.error().message << '\n';
    return kExitBadInput;
  }
  return WritePages(*pages.value(), m_strOutput, !m_bPlain, streams);
}

}  // namespace cadmira::cli
