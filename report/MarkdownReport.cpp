#include <ostream>
#include <string_view>

#include "report/ReportText.h"
#include "report/ReportWriter.h"

namespace cadmira::report {
namespace {

// Punctuation that Markdown or the HTML it may hold would read as markup.
constexpr std::string_view kMarkup = "\\`*_[]<>|~&";

// Inline text: markup escaped with a backslash, line breaks as <br>, so that a cell stays one
// table row and nothing in a value becomes a link, a tag or emphasis.
std::string Inline(const std::u16string& text) {
  std::string out;
  for (char c : ReadableUtf8(text)) {
    if (c == '\n') {
      out += "<br>";
    } else if (c == '\t') {
      out += ' ';
    } else {
      if (kMarkup.find(c) != std::string_view::npos) out += '\\';
      out += c;
    }
  }
  return out;
}

void WriteRow(const std::vector<std::u16string>& cells, std::ostream& out) {
  out << '|';
  for (const std::u16string& cell : cells) out << ' ' << Inline(cell) << " |";
  out << '\n';
}

void WriteTable(const ReportTable& table, std::ostream& out) {
  WriteRow(table.header, out);
  out << '|';
  for (std::size_t i = 0; i < table.header.size(); ++i) out << " --- |";
  out << '\n';
  for (const std::vector<std::u16string>& row : table.rows) WriteRow(row, out);
}

}  // namespace

void WriteMarkdownReport(const ReportDocument& document, std::ostream& out) {
  out << "# " << Inline(document.title) << "\n\n";
  for (const auto& [label, value] : document.facts) out << "- **" << Inline(label) << "**: " << Inline(value) << '\n';
  for (const ReportSection& section : document.sections) {
    out << '\n';
    if (!section.heading.empty()) out << "## " << Inline(section.heading) << "\n\n";
    for (std::size_t i = 0; i < section.blocks.size(); ++i) {
      if (i > 0) out << '\n';
      if (!section.blocks[i].heading.empty()) out << "### " << Inline(section.blocks[i].heading) << "\n\n";
      WriteTable(section.blocks[i].table, out);
    }
    for (const std::u16string& line : section.lines) out << "- " << Inline(line) << '\n';
    if (section.blocks.empty() && section.lines.empty()) out << Inline(section.whenEmpty) << '\n';
  }
}

}  // namespace cadmira::report
