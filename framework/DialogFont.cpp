#include "framework/DialogFont.h"

#include <map>

namespace cadmira::framework {
namespace {

const QString kLayoutFace = QStringLiteral("DejaVu Sans");

QStringList& Faces() {
  static QStringList faces{kLayoutFace};
  return faces;
}

}  // namespace

const QStringList& DialogFaces() { return Faces(); }

void SetDialogFaces(QStringList faces) {
  // The layout face stays the last resort, so a machine without the wanted faces still matches
  // the templates' measurements.
  if (!faces.contains(kLayoutFace)) faces << kLayoutFace;
  Faces() = std::move(faces);
}

QFont DialogFont(int pointSize, int dpi) {
  // A list of families is matched in order by Qt itself: no lookup in the font database here.
  QFont font;
  font.setFamilies(DialogFaces());
  font.setPixelSize(FontPixelSize(pointSize, dpi));
  return font;
}

BaseUnits DialogFontBaseUnits(int pointSize) {
  static std::map<int, BaseUnits> measured;
  const auto known = measured.find(pointSize);
  if (known != measured.end()) return known->second;
  QFont font;
  font.setFamilies({kLayoutFace});
  font.setPixelSize(FontPixelSize(pointSize, 96));
  return measured.emplace(pointSize, MeasureBaseUnits(font)).first->second;
}

}  // namespace cadmira::framework
