#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Result.h"
#include "cli/InputCommand.h"

namespace cadmira::pages {
class CModelPages;
}

namespace cadmira::cli {

// `set FILE [NAME=VALUE ...] [--hide-plugin F ...] [--show-plugin F ...] [--hide-ribbon PATH ...]
// [--show-ribbon PATH ...] [--doc-version TEXT] [--product P] [-o OUT]`: loads FILE as Import
// does, makes the changes on the pages and writes them as Save does (to FILE unless -o). A
// refused change writes nothing.
class CSetCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;
  Status Edit(pages::CModelPages& pages) const;

  std::vector<std::string> m_assignments;
  std::vector<std::string> m_hidePlugins;
  std::vector<std::string> m_showPlugins;
  std::vector<std::string> m_hideRibbon;
  std::vector<std::string> m_showRibbon;
  std::optional<std::string> m_version;
  std::string m_strOutput;
};

}  // namespace cadmira::cli
