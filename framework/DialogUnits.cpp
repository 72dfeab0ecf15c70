#include "framework/DialogUnits.h"

#include <QFont>
#include <QFontMetrics>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace cadmira::framework {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  const std::int64_t result = negative ? -magnitude : magnitude;
  if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(result);
}

int FontPixelSize(int pointSize, int dpi) { return MulDiv(pointSize, dpi, 72); }

BaseUnits MeasureBaseUnits(const QFont& fontAt96Dpi) {
  // The platform's own measure: the average width of the 52 Latin letters, rounded.
  static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  const QFontMetrics metrics(fontAt96Dpi);
  const int width = metrics.horizontalAdvance(kAlphabet);
  return {(width / 26 + 1) / 2, metrics.height()};
}

int DialogUnitsToPixelsX(int units, const BaseUnits& base, int dpi) { return MulDiv(units * base.x, dpi, 4 * 96); }

int DialogUnitsToPixelsY(int units, const BaseUnits& base, int dpi) { return MulDiv(units * base.y, dpi, 8 * 96); }

QRect DialogUnitsToPixels(const QRect& units, const BaseUnits& base, int dpi) {
  // Position and size are converted one by one, as the platform does for template controls.
  return QRect(DialogUnitsToPixelsX(units.x(), base, dpi), DialogUnitsToPixelsY(units.y(), base, dpi),
               DialogUnitsToPixelsX(units.width(), base, dpi), DialogUnitsToPixelsY(units.height(), base, dpi));
}

}  // namespace cadmira::framework
