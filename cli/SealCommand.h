#pragma once

#include "cli/InputCommand.h"

#include <string>
#include <vector>

namespace cadmira::cli {

// `seal IN OUT` and `unseal IN OUT`: the file format's RC4 pass, which is its own inverse. Each
// verb takes only the input it is meant for, unless --force asks for the raw pass.
class CSealCommand final : public CInputCommand {
 public:
  enum class Direction { kSeal, kUnseal };
  explicit CSealCommand(Direction direction) : m_direction(direction) {}

  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;

  Direction m_direction;
  std::string m_strOutput;
  bool m_bForce = false;
};

}  // namespace cadmira::cli
