#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace cadmira::cli {

// `apply MANIFEST OUT [--product P] [--plain]`: writes the file whose pages show what the
// manifest (or a whole `show --json` output) says.
class CApplyCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strManifest;
  std::string m_strOutput;
  std::string m_strProduct;
  bool m_bPlain = false;
};

}  // namespace cadmira::cli
