// Feeds arbitrary bytes to `show` and `tree`: whatever they print with --json must be JSON that
// a strict reader accepts, and their text printers must cope with anything too.
#include "cli/CliApp.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Run(const char* verb, bool json, const std::string& input, int& status) {
  std::vector<std::string> args{"cadmira-cli", verb, "-"};
  if (json) args.insert(args.begin() + 2, "--json");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  status = cadmira::cli::RunCli(static_cast<int>(args.size()), argv.data(), in, out, err);
  return out.str();
}

void RunAndCheck(const char* verb, const std::string& input) {
  int status = 0;
  (void)Run(verb, false, input, status);
  const std::string printed = Run(verb, true, input, status);
  if (status == 0 && printed.empty()) {
    std::fprintf(stderr, "%s printed nothing\n", verb);
    __builtin_trap();
  }
  if (!printed.empty() && !nlohmann::json::accept(printed)) {
    std::fprintf(stderr, "%s printed what is not JSON\n", verb);
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  RunAndCheck("show", input);
  RunAndCheck("tree", input);
  return 0;
}
