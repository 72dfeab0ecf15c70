#pragma once

#include "cli/InputCommand.h"

#include <vector>

namespace cadmira::cli {

// `show [--json] FILE`: what the editor would take from FILE (read plain, then sealed): the
// form, the root and its product, the version, every element the preference reading visits,
// the hidden plug-ins and the hidden ribbon elements.
class CShowCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;
};

}  // namespace cadmira::cli
