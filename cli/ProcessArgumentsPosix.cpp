#include "cli/ProcessArguments.h"

#include <csignal>

namespace cadmira::cli {

std::vector<std::string> PrepareProcess(int argc, char** argv) {
  // A file-size limit then fails the write (EFBIG), which is reported, instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  return std::vector<std::string>(argv, argv + argc);
}

}  // namespace cadmira::cli
