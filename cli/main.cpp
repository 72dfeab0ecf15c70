#include "cli/CliApp.h"
#include "cli/ProcessArguments.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  std::vector<std::string> arguments = cadmira::cli::PrepareProcess(argc, argv);
  std::vector<char*> pointers;
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  return cadmira::cli::RunCli(static_cast<int>(arguments.size()), pointers.data(), std::cin, std::cout, std::cerr);
}
