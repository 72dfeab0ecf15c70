#pragma once

#include <QString>

namespace cadmira::app {

// The program's file version as the version box first shows it: cut before its last "."
// ("9.0.0.1114" gives "9.0.0"); empty when it has no ".".
QString VersionBoxText(const QString& fileVersion);

}  // namespace cadmira::app
