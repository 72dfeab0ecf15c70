#pragma once

#include <optional>
#include <string>

#include "cli/CliStreams.h"
#include "resources/Product.h"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace cadmira::cli {

// One verb of cadmira-cli: it declares its subcommand and options, then runs when chosen.
class CCliCommand {
 public:
  virtual ~CCliCommand() = default;
  // Adds the subcommand (with options bound to members) and returns it.
  virtual CLI::App* Register(CLI::App& app) = 0;
  // Returns the exit status; prints a one-line message on `streams.err` on failure.
  virtual int Run(CliStreams& streams) = 0;

 protected:
  // --product reader|orvanta, spelled and explained alike on every command that takes it.
  CLI::Option* AddProductOption(CLI::App& command);
  // The product --product named; empty when it was not given.
  std::optional<resources::Product> ChosenProduct() const;

  // --json, with the promise every JSON output keeps.
  void AddJsonFlag(CLI::App& command);
  bool JsonWanted() const { return m_bJson; }

 private:
  std::string m_strProduct;
  bool m_bJson = false;
};

}  // namespace cadmira::cli
