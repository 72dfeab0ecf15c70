#include "cli/CliApp.h"

#include <iostream>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return cadmira::cli::RunCli(argc, argv, std::cin, std::cout, std::cerr);
}
