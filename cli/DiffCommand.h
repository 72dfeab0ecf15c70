#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/InputCommand.h"

namespace cadmira::cli {

// `diff A B [--json | --format text|markdown|html [--lang en|zh]]`: what differs between two
// files, sealed or plain, as the editor's pages would show them; with --format in the pages' own
// words. Exits 0 when they are the same, 1 when they differ, 2 when a file cannot be read or is
// not a configuration file.
class CDiffCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;
  Result<document::ConfigFile> ReadSecond(std::istream& in) const;

  std::string m_strB;
  std::string m_strFormat;
  std::string m_strLanguage = "en";
};

}  // namespace cadmira::cli
