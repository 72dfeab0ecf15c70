#pragma once

#include <QApplication>
#include <QStringList>

namespace cadmira::app {

// The application: its settings live under the organisation "Cadmira" and the executable's base
// name; it keeps the one file named on the command line and runs the main window modally.
class CCadmiraApp : public QApplication {
  Q_OBJECT

 public:
  CCadmiraApp(int& argc, char** argv);

  // Start-up, the modal main window and shutdown; the process's exit status.
  int Run();

  // The file named on the command line; empty when there is none.
  QString m_strStartFile;

 private:
  void InitInstance();
};

// Chooses how Qt scales windows for the screen's density; runs before the application exists and
// hands `argc` on to it.
int& ChooseScreenScaling(int& argc);

// The start file of a command line that Qt has taken its own options from: its only argument
// after the program name, unchanged; empty for any other number of arguments.
QString StartFileFromArguments(const QStringList& arguments);

}  // namespace cadmira::app
