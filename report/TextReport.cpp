#include <ostream>

#include "report/ReportText.h"
#include "report/ReportWriter.h"

namespace cadmira::report {
namespace {

// A cell on one line: a line break inside a value shows as its picture.
std::string OneLine(const std::u16string& text) {
  std::u16string flat = text;
  for (char16_t& c : flat) {
    if (c == u'\n') c = u'\u2424';
    if (c == u'\t') c = u'\u2409';
  }
  return ReadableUtf8(flat);
}

void WriteBlock(const ReportBlock& block, std::ostream& out) {
  if (!block.heading.empty()) out << "  " << OneLine(block.heading) << '\n';
  const std::string indent = block.heading.empty() ? "  " : "    ";
  for (const std::vector<std::u16string>& row : block.table.rows) {
    out << indent << OneLine(row[0]) << '\n';
    for (std::size_t i = 1; i < row.size(); ++i) {
      out << indent << "  " << OneLine(block.table.header[i]) << ": " << OneLine(row[i]) << '\n';
    }
  }
}

}  // namespace

void WriteTextReport(const ReportDocument& document, std::ostream& out) {
  out << OneLine(document.title) << "\n\n";
  for (const auto& [label, value] : document.facts) out << OneLine(label) << ": " << OneLine(value) << '\n';
  for (const ReportSection& section : document.sections) {
    out << '\n';
    if (!section.heading.empty()) out << OneLine(section.heading) << '\n';
    for (const ReportBlock& block : section.blocks) WriteBlock(block, out);
    for (const std::u16string& line : section.lines) out << "  " << OneLine(line) << '\n';
    if (section.blocks.empty() && section.lines.empty()) out << "  " << OneLine(section.whenEmpty) << '\n';
  }
}

}  // namespace cadmira::report
