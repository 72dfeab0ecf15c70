#pragma once

#include "cli/CliStreams.h"

namespace CLI {
class App;
}

namespace cadmira::cli {

// One verb of cadmira-cli: it declares its subcommand and options, then runs when chosen.
class CCliCommand {
 public:
  virtual ~CCliCommand() = default;
  // Adds the subcommand (with options bound to members) and returns it.
  virtual CLI::App* Register(CLI::App& app) = 0;
  // Returns the exit status; prints a one-line message on `streams.err` on failure.
  virtual int Run(CliStreams& streams) = 0;
};

}  // namespace cadmira::cli
