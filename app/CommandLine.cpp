#include "app/CommandLine.h"

#include "resources/Version.h"

namespace cadmira::app {

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  const QStringList given = arguments.mid(1);
  if (given.size() == 1 && given[0] == QLatin1String("--help")) {
    line.action = CommandLine::Action::PrintHelp;
  } else if (given.size() == 1 && given[0] == QLatin1String("--version")) {
    line.action = CommandLine::Action::PrintVersion;
  } else if (given.size() == 2 && given[0] == QLatin1String("--open")) {
    line.startFile = {given[1], StartFileRead::AsImport};
  } else if (given.size() == 1) {
    line.startFile = {given[0], StartFileRead::Quiet};
  }
  return line;
}

QString UsageText() {
  return QStringLiteral(
      "Usage: cadmira [FILE]\n"
      "       cadmira --open FILE\n"
      "       cadmira --help | --version\n"
      "\n"
      "Edits the enterprise configuration file (profstore file) of Zandor Reader and\n"
      "Zandor OrvantaPDF.\n"
      "\n"
      "  FILE         a plain configuration file to load at start; one that cannot be\n"
      "               loaded is ignored without a message\n"
      "  --open FILE  load FILE as Import does: plain or sealed, with Import's messages\n"
      "  --help       print this text and exit\n"
      "  --version    print the program's version and exit\n"
      "\n"
      "Qt's own options (-platform, -style and the like) are taken before the\n"
      "arguments are counted.\n");
}

QString VersionLine() { return QStringLiteral("cadmira ") + QLatin1String(resources::kFileVersion) + u'\n'; }

}  // namespace cadmira::app
