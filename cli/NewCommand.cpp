#include "cli/NewCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "pages/view/ModelPages.h"
#include "cli/ExitCode.h"
#include "cli/PagesOutput.h"

namespace cadmira::cli {

CLI::App* CNewCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("new", "Write the configuration file that untouched pages give");
  AddProductOption(*command)->required();
  command->add_option("--doc-version", m_strVersion, "The document's version text")->required();
  command->add_flag("--plain", m_bPlain, "Write the plain XML instead of the sealed form");
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  return command;
}

int CNewCommand::Run(CliStreams& streams) {
  pages::CModelPages pages(*ChosenProduct());
  if (Status set = pages.SetVersion(m_strVersion); !set) {
    streams.err << set.error().message << '\n';
    return kExitBadInput;
  }
  return WritePages(pages, m_strOutput, !m_bPlain, streams);
}

}  // namespace cadmira::cli
