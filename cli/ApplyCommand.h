#pragma once

#include <string>
#include <vector>

#include "cli/InputCommand.h"

namespace cadmira::cli {

// `apply MANIFEST OUT [--product P] [--plain]`: writes the file whose pages show what the
// manifest (or a whole `show --json` output) says.
class CApplyCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;

  std::string m_strOutput;
  bool m_bPlain = false;
};

}  // namespace cadmira::cli
