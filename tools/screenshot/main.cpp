// cadmira-screenshot FOLDER LANGID: pictures of every window in that interface language, drawn
// with settings of its own (a temporary profile), never the user's.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/CadmiraApp.h"
#include "framework/Screen.h"
#include "framework/ScriptedHost.h"
#include "framework/StoredSettings.h"
#include "localization/InterfaceLanguage.h"
#include "tools/screenshot/Screenshots.h"

int main(int argc, char** argv) {
  QApplication application(cadmira::app::ChooseScreenScaling(argc), argv);
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
  if (!cadmira::framework::StoreLanguage(langid)) {
    err << "cannot write the temporary settings\n";
    return 1;
  }
  cadmira::localization::PrepareInterfaceLanguage(langid);
  QTextStream(stdout) << "screen: " << cadmira::framework::ScreenDpi() << " dots per inch, device pixel ratio "
                      << application.devicePixelRatio() << '\n';
  // Nothing here may open a real modal window.
  cadmira::framework::ScriptedHost host;
  const Screenshots pictures = SaveScreenshots(arguments[1]);
  for (const QString& path : pictures.failed) err << "could not draw " << path << '\n';
  QTextStream(stdout) << pictures.saved.size() << " pictures in " << arguments[1] << '\n';
  return pictures.saved.isEmpty() || !pictures.failed.isEmpty() ? 1 : 0;
}
