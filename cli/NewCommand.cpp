#include "cli/NewCommand.h"

#include <CLI/CLI.hpp>

#include <ostream>

#include "cli/CliPages.h"
#include "cli/ExitCode.h"
#include "cli/PagesOutput.h"
#include "cli/ProductWords.h"

namespace cadmira::cli {

CLI::App* CNewCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand("new", "Write the configuration file that untouched pages give");
  command->add_option("--product", m_strProduct, "The product the file is for")
      ->required()
      ->check(CLI::IsMember({"reader", "orvanta"}));
  command->add_option("--doc-version", m_strVersion, "The document's version text")->required();
  command->add_flag("--plain", m_bPlain, "Write the plain XML instead of the sealed form");
  command->add_option("OUT", m_strOutput, "The file to write, or - for standard output")->required();
  return command;
}

int CNewCommand::Run(CliStreams& streams) {
  CCliPages pages(*ProductFromWord(m_strProduct));
  if (Status set = pages.SetVersion(m_strVersion); !set) {
    streams.err << set.error().message << '\n';
    return kExitBadInput;
  }
  return WritePages(pages, m_strOutput, !m_bPlain, streams);
}

}  // namespace cadmira::cli
