#pragma once

#include "cli/CliCommand.h"

namespace cadmira::cli {

// `settings [--product P] [--json]`: every setting name of the product with its values, what
// each value writes, and the row text and description of the Preferences page.
// `settings [--product P] --plugins | --ribbon`: the plug-in file names or the ribbon paths.
class CSettingsCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  bool m_bPlugins = false;
  bool m_bRibbon = false;
};

}  // namespace cadmira::cli
