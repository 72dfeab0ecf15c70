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

namespace cadmira::cli {

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

// A folder of its own for one test, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cadmira-cli-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { std::filesystem::remove_all(m_path); }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Path(const std::string& name) const { return m_path + "/" + name; }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

}  // namespace cadmira::cli
