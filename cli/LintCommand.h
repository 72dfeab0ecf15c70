#pragma once

#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/Finding.h"
#include "document/ReadConfigFile.h"

namespace cadmira::cli {

// `lint FILE [--product P] [--json]`: what the editor would silently misread, ignore or drop.
// Exits 1 when anything is found, a file that does not parse included.
class CLintCommand final : public CCliCommand {
 public:
  CLI::App* Register(CLI::App& app) override;
  int Run(CliStreams& streams) override;

 private:
  std::string m_strPath;
  std::string m_strProduct;
  bool m_bJson = false;
};

// Reports the findings of a file as Import reads it to `sink`; `product` empty takes the file's
// own. Returns how many there were.
std::size_t LintConfigFile(const document::ConfigFile& file, std::optional<int> product, const FindingSink& sink);

}  // namespace cadmira::cli
