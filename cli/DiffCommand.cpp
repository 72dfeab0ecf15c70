#include "cli/DiffCommand.h"

#include <ostream>

#include <CLI/CLI.hpp>

#include "cli/ExitCode.h"
#include "cli/PageDiff.h"
#include "cli/PagesInput.h"

namespace cadmira::cli {

CLI::App* CDiffCommand::Register(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "diff", "Report what differs between two files as the editor's pages show them (exit 1 if anything)");
  command->add_flag("--json", m_bJson, "Print one JSON object");
  command->add_option("A", m_strA, "The first configuration file (plain or sealed), or - for standard input")->required();
  command->add_option("B", m_strB, "The second configuration file (plain or sealed)")->required();
  return command;
}

int CDiffCommand::Run(CliStreams& streams) {
  const PagesInput a = LoadPagesInput(m_strA, std::nullopt, streams.in);
  const PagesInput b = a.pages ? LoadPagesInput(m_strB, std::nullopt, streams.in) : PagesInput{};
  for (const PagesInput* input : {&a, &b}) {
    if (!input->pages) {
      streams.err << input->message << '\n';
      // 1 would read as "they differ".
      return kExitUsage;
    }
  }
  const PageDiff diff = DiffPageViews(ViewOfPages(*a.pages), ViewOfPages(*b.pages));
  if (m_bJson) {
    WritePageDiffJson(diff, streams.out);
  } else {
    WritePageDiffText(diff, streams.out);
  }
  return diff.Same() ? kExitOk : kExitBadInput;
}

}  // namespace cadmira::cli
