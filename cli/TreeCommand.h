#pragma once

#include "cli/InputCommand.h"

#include <vector>

namespace cadmira::cli {

// `tree [--json] FILE`: the element tree the program's reader makes of FILE.
class CTreeCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;
};

}  // namespace cadmira::cli
