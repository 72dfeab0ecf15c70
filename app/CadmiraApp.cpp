#include "app/CadmiraApp.h"

#include <QFileInfo>

#include "app/CadmiraDlg.h"
#include "framework/CrashHandler.h"
#include "framework/Screen.h"
#include "framework/StoredSettings.h"
#include "localization/InterfaceLanguage.h"
#include "localization/LanguageFile.h"

namespace cadmira::app {

QString StartFileFromArguments(const QStringList& arguments) {
  return arguments.size() == 2 ? arguments[1] : QString();
}

int& ChooseScreenScaling(int& argc) {
  framework::PrepareScreenScaling();
  return argc;
}

CCadmiraApp::CCadmiraApp(int& argc, char** argv) : QApplication(ChooseScreenScaling(argc), argv) {
  setOrganizationName(QStringLiteral("Cadmira"));
  setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
}

void CCadmiraApp::InitInstance() {
  m_strStartFile = StartFileFromArguments(arguments());
  framework::InstallCrashHandler(framework::CrashReportFolder());
  localization::PrepareInterfaceLanguage(framework::StoredLanguage());
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
