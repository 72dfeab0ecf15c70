#include <ostream>

#include "report/ReportText.h"
#include "report/ReportWriter.h"

namespace cadmira::report {
namespace {

// Printable on A4 and on screen; long values wrap anywhere rather than widen the page.
constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:2em;color:#000;background:#fff}"
    "h1{font-size:1.6em}h2{font-size:1.3em;margin-top:1.5em}h3{font-size:1.1em}"
    "table{border-collapse:collapse;width:100%;margin:.5em 0 1em}"
    "th,td{border:1px solid #888;padding:.25em .5em;text-align:left;vertical-align:top;"
    "overflow-wrap:anywhere;white-space:pre-wrap}"
    "th{background:#eee}dl{display:grid;grid-template-columns:max-content auto;gap:.2em 1em}"
    "dt{font-weight:bold}dd{margin:0;overflow-wrap:anywhere}"
    "@page{size:A4;margin:15mm}@media print{body{margin:0}tr{break-inside:avoid}}";

std::string Escaped(const std::u16string& text) {
  std::string out;
  for (char c : ReadableUtf8(text)) {
    switch (c) {
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '&':
        out += "&amp;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// A text of the file, kept apart from its neighbours' writing direction.
std::string Isolated(const std::u16string& text) { return "<bdi>" + Escaped(text) + "</bdi>"; }

void WriteTable(const ReportTable& table, std::ostream& out) {
  out << "<table>\n<thead><tr>";
  for (const std::u16string& cell : table.header) out << "<th>" << Escaped(cell) << "</th>";
  out << "</tr></thead>\n<tbody>\n";
  for (const std::vector<std::u16string>& row : table.rows) {
    out << "<tr>";
    for (const std::u16string& cell : row) out << "<td>" << Isolated(cell) << "</td>";
    out << "</tr>\n";
  }
  out << "</tbody>\n</table>\n";
}

}  // namespace

void WriteHtmlReport(const ReportDocument& document, std::ostream& out) {
  out << "<!DOCTYPE html>\n<html lang=\"" << Escaped(document.language) << "\">\n<head>\n<meta charset=\"utf-8\">\n"
      << "<title>" << Escaped(document.title) << "</title>\n<style>" << kStyle << "</style>\n</head>\n<body>\n"
      << "<h1>" << Escaped(document.title) << "</h1>\n<dl>\n";
  for (const auto& [label, value] : document.facts) {
    out << "<dt>" << Escaped(label) << "</dt><dd>" << Isolated(value) << "</dd>\n";
  }
  out << "</dl>\n";
  for (const ReportSection& section : document.sections) {
    if (!section.heading.empty()) out << "<h2>" << Escaped(section.heading) << "</h2>\n";
    for (const ReportBlock& block : section.blocks) {
      if (!block.heading.empty()) out << "<h3>" << Isolated(block.heading) << "</h3>\n";
      WriteTable(block.table, out);
    }
    for (const std::u16string& line : section.lines) out << "<p>" << Isolated(line) << "</p>\n";
    if (section.blocks.empty() && section.lines.empty()) out << "<p>" << Escaped(section.whenEmpty) << "</p>\n";
  }
  out << "</body>\n</html>\n";
}

}  // namespace cadmira::report
