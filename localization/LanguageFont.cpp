#include "localization/LanguageFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace cadmira::localization {
namespace {

std::optional<QFontDatabase::WritingSystem> WritingSystemOf(int charset) {
  switch (charset) {
    case 0:
      return QFontDatabase::Latin;  // ANSI
    case 1:
      return QFontDatabase::Any;  // DEFAULT
    case 2:
      return QFontDatabase::Symbol;
    case 128:
      return QFontDatabase::Japanese;  // SHIFTJIS
    case 129:
      return QFontDatabase::Korean;  // HANGUL
    case 130:
      return QFontDatabase::Korean;  // JOHAB
    case 134:
      return QFontDatabase::SimplifiedChinese;  // GB2312
    case 136:
      return QFontDatabase::TraditionalChinese;  // BIG5
    case 161:
      return QFontDatabase::Greek;
    case 162:
      return QFontDatabase::Latin;  // TURKISH
    case 163:
      return QFontDatabase::Vietnamese;
    case 177:
      return QFontDatabase::Hebrew;
    case 178:
      return QFontDatabase::Arabic;
    case 186:
      return QFontDatabase::Latin;  // BALTIC
    case 204:
      return QFontDatabase::Cyrillic;  // RUSSIAN
    case 222:
      return QFontDatabase::Thai;
    case 238:
      return QFontDatabase::Latin;  // EASTEUROPE
    default:
      return std::nullopt;
  }
}

std::optional<QString>& StoredFace() {
  static std::optional<QString> face;
  return face;
}

}  // namespace

std::optional<QString> FindLanguageFace(const QString& faceName, int charset) {
  const auto writingSystem = WritingSystemOf(charset);
  if (!writingSystem) return std::nullopt;
  for (const QString& family : QFontDatabase::families(*writingSystem)) {
    if (!faceName.isEmpty() && family.compare(faceName, Qt::CaseInsensitive) != 0) continue;
    // Faces starting with "@" are the vertical variants of a face.
    if (family.startsWith(u'@') || !QFontDatabase::isScalable(family)) continue;
    return family;
  }
  return std::nullopt;
}

const std::optional<QString>& LanguageFace() { return StoredFace(); }

void SetLanguageFace(std::optional<QString> face) { StoredFace() = std::move(face); }

}  // namespace cadmira::localization
