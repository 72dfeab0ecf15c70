#pragma once

#include <iosfwd>
#include <string>

#include "report/ReportDocument.h"

namespace cadmira::report {

// Prints the document in UTF-8. Every text is printed as text: escaped for the format, control
// characters as their pictures, a lone surrogate as U+FFFD.
void WriteReport(const ReportDocument& document, ReportFormat format, std::ostream& out);

void WriteTextReport(const ReportDocument& document, std::ostream& out);
// Headings and one table per block, as common Markdown viewers render them.
void WriteMarkdownReport(const ReportDocument& document, std::ostream& out);
// One self-contained, printable page: no scripts, no external files.
void WriteHtmlReport(const ReportDocument& document, std::ostream& out);

}  // namespace cadmira::report
