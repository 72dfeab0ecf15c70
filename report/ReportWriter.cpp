#include "report/ReportWriter.h"

namespace cadmira::report {

void WriteReport(const ReportDocument& document, ReportFormat format, std::ostream& out) {
  switch (format) {
    case ReportFormat::Text:
      WriteTextReport(document, out);
      return;
    case ReportFormat::Markdown:
      WriteMarkdownReport(document, out);
      return;
    case ReportFormat::Html:
      WriteHtmlReport(document, out);
      return;
  }
}

}  // namespace cadmira::report
