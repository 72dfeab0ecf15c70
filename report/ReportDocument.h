#pragma once

#include <string>
#include <utility>
#include <vector>

namespace cadmira::report {

// A table of texts; every row has as many cells as the header.
struct ReportTable {
  std::vector<std::u16string> header;
  std::vector<std::vector<std::u16string>> rows;
};

// A part of a section: an optional heading of its own, then a table.
struct ReportBlock {
  std::u16string heading;
  ReportTable table;
};

// A section: its heading, its tables, lines of prose, and the line shown when it has neither.
struct ReportSection {
  std::u16string heading;
  std::vector<ReportBlock> blocks;
  std::vector<std::u16string> lines;
  std::u16string whenEmpty;
};

// A document a person reads, in the words of one interface language, made once and printed as
// text, Markdown or HTML (and, in the window, as PDF).
struct ReportDocument {
  std::u16string language;  // "en" or "zh-CN"
  std::u16string title;
  std::vector<std::pair<std::u16string, std::u16string>> facts;  // label, value
  std::vector<ReportSection> sections;
};

enum class ReportFormat { Text, Markdown, Html };

}  // namespace cadmira::report
