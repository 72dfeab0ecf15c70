#include "app/VersionText.h"

namespace cadmira::app {

QString VersionBoxText(const QString& fileVersion) {
  const qsizetype dot = fileVersion.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? QString() : fileVersion.left(dot);
}

}  // namespace cadmira::app
