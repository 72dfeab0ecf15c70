// Feeds arbitrary bytes to `show --json` and `tree --json`: whatever they print must be JSON
// that a strict reader accepts.
#include "cli/CliApp.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

void RunAndCheck(const char* verb, const std::string& input) {
  std::vector<std::string> args{"cadmira-cli", verb, "--json", "-"};
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = cadmira::cli::RunCli(static_cast<int>(args.size()), argv.data(), in, out, err);
  const std::string printed = out.str();
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
