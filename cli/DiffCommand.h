#pragma once

#include <string>

#include "cli/CliCommand.h"

namespace cadmira::cli {

// `diff A B [--json]`: what differs between two files, sealed or plain, as the editor's pages
// would show them. Exits 0 when they are the same, 1 when they differ, 2 when a file cannot be
// read or is not a configuration file.
class CDiffCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strA;
  std::string m_strB;
  bool m_bJson = false;
};

}  // namespace cadmira::cli
