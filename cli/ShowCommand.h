#pragma once

#include "cli/CliCommand.h"

#include <string>

namespace cadmira::cli {

// `show [--json] FILE`: what the editor would take from FILE (read plain, then sealed): the
// form, the root and its product, the version, every element the preference reading visits,
// the hidden plug-ins and the hidden ribbon elements.
class CShowCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strPath;
  bool m_bJson = false;
};

}  // namespace cadmira::cli
