#pragma once

#include <iosfwd>

#include "report/SettingsReport.h"

namespace cadmira::cli {

// The report's content for other tools: {"file": {...}, "settings": [...], "hiddenRibbon": [...],
// "hiddenPlugins": [...], "findings": [...]}.
void WriteSettingsReportJson(const report::SettingsReport& report, std::ostream& out);

}  // namespace cadmira::cli
