#include "cli/CliApp.h"

#include "cli/Commands.h"
#include "cli/ExitCode.h"
#include "resources/Version.h"

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace cadmira::cli {

int RunCli(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err) {
  CLI::App app("Reads, seals and unseals the configuration files of Zandor Reader and Zandor OrvantaPDF.",
               "cadmira-cli");
  app.set_version_flag("--version", std::string("cadmira-cli ") + resources::kFileVersion);
  app.require_subcommand(1);

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
    if (subcommands[i]->parsed()) {
      return commands[i]->Run(streams);
    }
  }
  return kExitUsage;
}

}  // namespace cadmira::cli
