#pragma once

#include "cli/CliCommand.h"

#include <memory>
#include <vector>

namespace cadmira::cli {

// Every command of cadmira-cli, in the order --help lists them.
std::vector<std::unique_ptr<CCliCommand>> MakeCommands();

}  // namespace cadmira::cli
