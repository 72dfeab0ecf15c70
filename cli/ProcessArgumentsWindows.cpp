#include "cli/ProcessArguments.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "base/WidePathWindows.h"

namespace cadmira::cli {

std::vector<std::string> PrepareProcess(int argc, char** argv) {
  // seal and unseal pass bytes through standard input and output, and the text the tool prints
  // is UTF-8 with "\n" line ends on every system: nothing may be translated on the way.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);

  // The narrow arguments are in the ANSI code page, which cannot hold every name; the wide
  // command line can.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide) return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  arguments.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

}  // namespace cadmira::cli
