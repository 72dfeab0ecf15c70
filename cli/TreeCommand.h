#pragma once

#include "cli/CliCommand.h"

#include <string>

namespace cadmira::cli {

// `tree [--json] FILE`: the element tree the program's reader makes of FILE.
class CTreeCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strPath;
  bool m_bJson = false;
};

}  // namespace cadmira::cli
