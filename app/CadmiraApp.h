#pragma once

#include <QApplication>
#include <QStringList>

#include <cstdio>

#include "app/CommandLine.h"

namespace cadmira::app {

// The application: its settings live under the organisation "Cadmira" and the executable's base
// name; it keeps the file named on the command line and runs the main window modally.
class CCadmiraApp : public QApplication {
  Q_OBJECT

 public:
  CCadmiraApp(int& argc, char** argv);

  // Start-up, the modal main window and shutdown; the process's exit status.
  int Run();

  // The file named on the command line; empty when there is none.
  QString m_strStartFile;
  StartFileRead m_startFileRead = StartFileRead::Quiet;

 private:
  void InitInstance();
};

// Chooses how Qt scales windows for the screen's density; runs before the application exists and
// hands `argc` on to it.
int& ChooseScreenScaling(int& argc);

// The arguments of main as they are, before Qt takes its own options from them.
QStringList RawArguments(int argc, char** argv);

// Prints on `out` the text that `line` asks for instead of the window; false when it asks for
// the window.
bool PrintInsteadOfWindow(const CommandLine& line, std::FILE* out);

}  // namespace cadmira::app
