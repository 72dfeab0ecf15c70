#include "app/ReportPdf.h"

#include <QBuffer>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace cadmira::app {
namespace {

constexpr int kPointSize = 10;
constexpr qreal kMarginMillimetres = 15;

}  // namespace

QByteArray ReportPdf(const QString& html, const QString& title, const QString& fontFamily) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Cadmira"));
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
                    QPageLayout::Millimeter));
    QTextDocument document;
    QFont font(fontFamily, kPointSize);
    // No ligatures where the writing does not need them, so that "fi" is found and copied as two letters.
    font.setStyleStrategy(QFont::PreferNoShaping);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&writer);
  }
  return bytes;
}

}  // namespace cadmira::app
