#include "app/CadmiraApp.h"

#include <QFileInfo>

#include "app/CadmiraDlg.h"
#include "framework/CrashHandler.h"
#include "framework/ProfileStore.h"
#include "localization/InterfaceLanguage.h"
#include "localization/LanguageFile.h"

namespace cadmira::app {

QString StartFileFromArguments(const QStringList& arguments) {
  return arguments.size() == 2 ? arguments[1] : QString();
}

int& ChooseScreenScaling(int& argc) {
  // Qt scales a window by whole factors only; the rest of a screen's density reaches the templates
  // as dots per inch, which they turn into whole pixels. A fractional factor would cut frames
  // and blur text.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Floor);
  return argc;
}

CCadmiraApp::CCadmiraApp(int& argc, char** argv) : QApplication(ChooseScreenScaling(argc), argv) {
  setOrganizationName(QStringLiteral("Cadmira"));
  setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
}

void CCadmiraApp::InitInstance() {
  m_strStartFile = StartFileFromArguments(arguments());
  framework::InstallCrashHandler(framework::ExecutableFolder());
  localization::PrepareInterfaceLanguage(
      framework::ProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), localization::kEnglishLangId));
}

int CCadmiraApp::Run() {
  InitInstance();
  {
    CCadmiraDlg window(m_strStartFile);
    window.DoModal();
  }
  return 0;
}

}  // namespace cadmira::app
