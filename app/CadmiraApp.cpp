#include "app/CadmiraApp.h"

#include <QFileInfo>

#include "app/CadmiraDlg.h"
#include "framework/CrashHandler.h"

namespace cadmira::app {

QString StartFileFromArguments(const QStringList& arguments) {
  return arguments.size() == 2 ? arguments[1] : QString();
}

CCadmiraApp::CCadmiraApp(int& argc, char** argv) : QApplication(argc, argv) {
  setOrganizationName(QStringLiteral("Cadmira"));
  setApplicationName(QFileInfo(applicationFilePath()).completeBaseName());
}

void CCadmiraApp::InitInstance() {
  m_strStartFile = StartFileFromArguments(arguments());
  framework::InstallCrashHandler(framework::ExecutableFolder());
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
