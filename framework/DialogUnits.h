#pragma once

#include <QRect>

class QFont;

namespace cadmira::framework {

// The dialog font's average character width and height at 96 dots per inch: one horizontal
// dialog unit is a quarter of x, one vertical unit an eighth of y.
struct BaseUnits {
  int x;
  int y;
};

// a * b / c rounded half away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// The pixel size of a font of `pointSize` points at `dpi` dots per inch.
int FontPixelSize(int pointSize, int dpi);

BaseUnits MeasureBaseUnits(const QFont& fontAt96Dpi);

// Dialog units to pixels at `dpi`, each value rounded on its own.
int DialogUnitsToPixelsX(int units, const BaseUnits& base, int dpi);
int DialogUnitsToPixelsY(int units, const BaseUnits& base, int dpi);
QRect DialogUnitsToPixels(const QRect& units, const BaseUnits& base, int dpi);

}  // namespace cadmira::framework
