#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliApp.h"
#include "tests/support/TempFolder.h"

namespace cadmira::cli {

using ::TempFolder;

// What one run of cadmira-cli gave.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

// Runs cadmira-cli with `args` (without the program name) on the given streams; its exit status.
inline int RunCommandOn(std::vector<std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  args.insert(args.begin(), "cadmira-cli");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  return RunCli(static_cast<int>(args.size()), argv.data(), in, out, err);
}

// Runs cadmira-cli with `args` (without the program name) and `input` as its standard input.
inline CliRun RunCommand(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCommandOn(std::move(args), in, out, err);
  return CliRun{status, out.str(), err.str()};
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace cadmira::cli
