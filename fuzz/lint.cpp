// Feeds arbitrary bytes to `lint`, as a file of its own product and of each product: the JSON
// output must be JSON, and the text output must list one line for each finding.
#include "cli/CliApp.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

int Run(std::vector<std::string> args, const std::string& input, std::string& out) {
  args.insert(args.begin(), "cadmira-cli");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream printed;
  std::ostringstream err;
  const int status = cadmira::cli::RunCli(static_cast<int>(args.size()), argv.data(), in, printed, err);
  out = printed.str();
  return status;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "lint: %s\n", what);
  __builtin_trap();
}

void LintAndCheck(const std::string& input, std::vector<std::string> options) {
  std::vector<std::string> json{"lint", "--json"};
  json.insert(json.end(), options.begin(), options.end());
  json.push_back("-");
  std::string printed;
  const int status = Run(json, input, printed);
  if (status != 0 && status != 1) Fail("an exit status other than 0 or 1 on standard input");
  const nlohmann::json parsed = nlohmann::json::parse(printed, nullptr, false);
  if (parsed.is_discarded()) Fail("what --json printed is not JSON");
  const auto findings = parsed.at("findings").size();
  if ((findings == 0) != (status == 0)) Fail("the exit status does not follow the findings");

  std::vector<std::string> text{"lint"};
  text.insert(text.end(), options.begin(), options.end());
  text.push_back("-");
  if (Run(text, input, printed) != status) Fail("text and JSON end differently");
  if (static_cast<std::size_t>(std::count(printed.begin(), printed.end(), '\n')) < findings) {
    Fail("fewer lines than findings");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  LintAndCheck(input, {});
  LintAndCheck(input, {"--product", "reader"});
  LintAndCheck(input, {"--product", "orvanta"});
  return 0;
}
