#include "cli/CliApp.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  // A file-size limit then fails the write (EFBIG), which is reported, instead of killing us.
  std::signal(SIGXFSZ, SIG_IGN);
  return cadmira::cli::RunCli(argc, argv, std::cin, std::cout, std::cerr);
}
