#pragma once

#include <stdlib.h>

#include <QApplication>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

namespace bench {

// The application of a window benchmark: offscreen unless the caller chose a platform, with a
// profile of its own that goes with it, so that no run reads or changes the user's settings.
class BenchApplication {
 public:
  BenchApplication(int& argc, char** argv) : m_application(Offscreen(argc), argv) {
    QApplication::setOrganizationName(QStringLiteral("Cadmira"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_profile.path());
  }

 private:
  static int& Offscreen(int& argc) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return argc;
  }

  QApplication m_application;
  QTemporaryDir m_profile;
};

}  // namespace bench
