#pragma once

#include <QByteArray>
#include <QString>

namespace cadmira::app {

// The report page printed to a PDF on A4 by Qt's own writer, in the font family given (the
// interface language's), with the system's fallbacks for any other writing.
QByteArray ReportPdf(const QString& html, const QString& title, const QString& fontFamily);

}  // namespace cadmira::app
