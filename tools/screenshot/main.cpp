// cadmira-screenshot FOLDER LANGID: pictures of every window in that interface language, drawn
// with settings of its own (a temporary profile), never the user's.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "tools/screenshot/Screenshots.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QApplication::arguments();
  bool numeric = false;
  const int langid = arguments.size() == 3 ? arguments[2].toInt(&numeric) : 0;
  if (!numeric) {
    err << "usage: cadmira-screenshot FOLDER LANGID\n";
    return 2;
  }
  QApplication::setOrganizationName(QStringLiteral("Cadmira"));
  QTemporaryDir profile;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, profile.path());
  if (!cadmira::framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), langid)) {
    err << "cannot write the temporary settings\n";
    return 1;
  }
  // Nothing here may open a real modal window.
  cadmira::framework::ScriptedHost host;
  const QStringList saved = SaveScreenshots(arguments[1]);
  QTextStream(stdout) << saved.join(QLatin1Char('\n')) << '\n';
  return saved.isEmpty() ? 1 : 0;
}
