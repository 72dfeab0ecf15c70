#pragma once

#include <string>
#include <vector>

#include "cli/InputCommand.h"

namespace cadmira::cli {

// `report FILE [--format text|markdown|html|json] [--lang en|zh] [-o OUT]`: what the editor's
// pages show after loading FILE, as a reviewer reads it: the settings that differ from untouched
// pages in the pages' own words, the hidden ribbon controls by title, the hidden plug-ins by
// caption, and what lint finds. The date is today's (UTC), or that of SOURCE_DATE_EPOCH.
class CReportCommand final : public CInputCommand {
 public:
  CLI::App* Register(CLI::App& app) override;

 private:
  int RunOnInput(std::vector<unsigned char> bytes, CliStreams& streams) override;

  std::string m_strFormat = "text";
  std::string m_strLanguage = "en";
  std::string m_strOutput = "-";
};

}  // namespace cadmira::cli
