#pragma once

#include "cli/CliCommand.h"

#include <string>

namespace cadmira::cli {

// `new --product reader|orvanta --doc-version TEXT [--plain] OUT`: the document that untouched
// pages give, written sealed (or plain) through the editor's own write.
class CNewCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strVersion;
  std::string m_strOutput;
  bool m_bPlain = false;
};

}  // namespace cadmira::cli
