#pragma once

#include "cli/CliCommand.h"

#include <string>

namespace cadmira::cli {

// `seal IN OUT` and `unseal IN OUT`: the file format's RC4 pass, which is its own inverse. Each
// verb takes only the input it is meant for, unless --force asks for the raw pass.
class CSealCommand final : public CCliCommand {
 public:
  enum class Direction { kSeal, kUnseal };
  explicit CSealCommand(Direction direction) : m_direction(direction) {}

  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  Direction m_direction;
  std::string m_strInput;
  std::string m_strOutput;
  bool m_bForce = false;
};

}  // namespace cadmira::cli
