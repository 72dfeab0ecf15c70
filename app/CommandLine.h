#pragma once

#include <QString>
#include <QStringList>

namespace cadmira::app {

// How the file named on the command line is read: plain only and without a word when it cannot
// be loaded (`cadmira FILE`), or as Import reads it, with Import's messages (`cadmira --open FILE`,
// what the desktop entry passes).
enum class StartFileRead { Quiet, AsImport };

struct StartFile {
  QString path;  // empty for none
  StartFileRead read = StartFileRead::Quiet;
};

// What the command line asks for: the window (with its start file), or one of the two texts
// printed instead of it.
struct CommandLine {
  enum class Action { RunWindow, PrintHelp, PrintVersion };
  Action action = Action::RunWindow;
  StartFile startFile;
};

// Reads the arguments that Qt left (the program name first). `--help` or `--version` alone prints;
// `--open FILE` loads FILE as Import does; any other single argument is the start file, unchanged;
// any other number of arguments asks for nothing.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text of `cadmira --help`, ending with a line break.
QString UsageText();

// The text of `cadmira --version`: "cadmira 9.0.0.1114" and a line break.
QString VersionLine();

}  // namespace cadmira::app
