#include "app/CadmiraApp.h"

#include <QFileInfo>

#include "app/CadmiraDlg.h"
#include "framework/CrashHandler.h"
#include "framework/Screen.h"
#include "framework/StoredSettings.h"
#include "localization/InterfaceLanguage.h"
#include "localization/LanguageFile.h"

namespace cadmira::app {

QStringList RawArguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  return arguments;
}

bool PrintInsteadOfWindow(const CommandLine& line, std::FILE* out) {
  QString text;
  if (line.action == CommandLine::Action::PrintHelp) {
    text = UsageText();
  } else if (line.action == CommandLine::Action::PrintVersion) {
    text = VersionLine();
  } else {
    return false;
  }
  std::fputs(text.toLocal8Bit().constData(), out);
  std::fflush(out);
  return true;
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
  const StartFile start = ParseCommandLine(arguments()).startFile;
  m_strStartFile = start.path;
  m_startFileRead = start.read;
  framework::InstallCrashHandler(framework::CrashReportFolder());
  localization::PrepareInterfaceLanguage(framework::StoredLanguage());
}

int CCadmiraApp::Run() {
  // Qt's options may have stood before them, so main could not see them alone.
  if (PrintInsteadOfWindow(ParseCommandLine(arguments()), stdout)) return 0;
  InitInstance();
  {
    CCadmiraDlg window(m_strStartFile, m_startFileRead);
    window.DoModal();
  }
  return 0;
}

}  // namespace cadmira::app
