#include "cli/CliApp.h"

#include "cli/Commands.h"
#include "cli/ExitCode.h"
#include "cli/OutOfMemoryWatch.h"
#include "resources/Version.h"

#include <CLI/CLI.hpp>

#include <new>
#include <ostream>
#include <stdexcept>
#include <string>

namespace cadmira::cli {

namespace {

// Runs the command so that no failure goes unreported: running out of memory is a message, and
// output that did not reach standard output is a failure whatever the command thought.
int RunChecked(CCliCommand& command, CliStreams& streams) {
  int status = kExitUsage;
  try {
    status = command.Run(streams);
  } catch (const std::bad_alloc&) {
    streams.err << kOutOfMemory << '\n';
  } catch (const std::length_error&) {
    streams.err << kOutOfMemory << '\n';
  }
  streams.out.flush();
  if (!streams.out) {
    // A command that failed has said why already.
    if (status == kExitOk) streams.err << "cannot write the standard output\n";
    return kExitUsage;
  }
  return status;
}

}  // namespace

int RunCli(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app(
      "Reads, checks and writes the configuration files of Zandor Reader and Zandor OrvantaPDF as the editor does.",
      "cadmira-cli");
  app.set_version_flag("--version", std::string("cadmira-cli ") + resources::kFileVersion);
  app.require_subcommand(1);
  // CLI11 takes "/name" for an option on Windows; absolute paths and ribbon paths begin so.
  app.allow_windows_style_options(false);

  std::vector<std::unique_ptr<CCliCommand>> commands = MakeCommands();
  std::vector<CLI::App*> subcommands;
  for (const auto& command : commands) {
    subcommands.push_back(command->Register(app));
  }

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
      return app.exit(error, out, err);
    }
    err << error.what() << '\n';
    return kExitUsage;
  }

  CliStreams streams{in, out, err};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if (subcommands[i]->parsed()) return RunChecked(*commands[i], streams);
  }
  return kExitUsage;
}

}  // namespace cadmira::cli
