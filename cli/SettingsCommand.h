#pragma once

#include "cli/CliCommand.h"

namespace cadmira::cli {

// `settings [--product P] [--json]`: every setting name of the product with its values, what
// each value writes, and the row text and description of the Preferences page.
class CSettingsCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;
};

}  // namespace cadmira::cli
