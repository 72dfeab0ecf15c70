// Feeds arbitrary bytes to `apply` as its manifest. A refused manifest writes nothing and says
// why; an accepted one gives a file whose `show --json` output, applied again, gives the same
// file byte for byte.
#include "cli/CliApp.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int status = 0;
  std::string out;
  std::string err;
};

Outcome Run(std::vector<std::string> args, const std::string& input) {
  args.insert(args.begin(), "cadmira-cli");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = cadmira::cli::RunCli(static_cast<int>(args.size()), argv.data(), in, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "manifest: %s\n", what);
  __builtin_trap();
}

void ApplyAndCheck(const std::string& manifest, const char* product) {
  std::vector<std::string> apply{"apply", "-", "-", "--plain"};
  if (product) apply.insert(apply.end(), {"--product", product});
  const Outcome written = Run(apply, manifest);
  if (written.status != 0) {
    if (written.status != 1 && written.status != 2) Fail("an exit status outside 0-2");
    if (!written.out.empty()) Fail("a refused manifest wrote a file");
    if (written.err.empty()) Fail("a refused manifest without a reason");
    return;
  }
  const Outcome shown = Run({"show", "--json", "-"}, written.out);
  if (shown.status != 0) Fail("the written file does not show");
  const Outcome again = Run({"apply", "-", "-", "--plain"}, shown.out);
  if (again.status != 0) Fail("what the written file shows is refused as a manifest");
  if (again.out != written.out) Fail("the shown pages write another file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string manifest(reinterpret_cast<const char*>(data), size);
  ApplyAndCheck(manifest, nullptr);
  ApplyAndCheck(manifest, "reader");
  return 0;
}
