#pragma once

#include <optional>
#include <vector>

#include "cli/InputCommand.h"
#include "cli/Finding.h"
#include "document/ReadConfigFile.h"
#include "resources/Product.h"

namespace cadmira::cli {

// `lint FILE [--product P] [--json]`: what the editor would silently misread, ignore or drop.
// Exits 1 when anything is found, a file that does not parse included.
class CLintCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;
};

// Reports the findings of a file as Import reads it to `sink`; `product` empty takes the file's
// own; `truncated` says that the file ends before its root element is closed. Returns how many
// there were.
std::size_t LintConfigFile(const document::ConfigFile& file, std::optional<resources::Product> product,
                           const FindingSink& sink, bool truncated = false);

// Whether `input`, the bytes `file` was read from, ends before the root element is closed.
bool EndsBeforeRootCloses(const document::ConfigFile& file, std::vector<unsigned char> input);
// What is said of such a file.
Finding TruncationFinding(const document::ConfigFile& file);

}  // namespace cadmira::cli
