#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApp.h"

namespace cadmira::cli::test {

// One run of the tool with its streams caught.
struct ToolRun {
  int code;
  std::string out;
  std::string err;
};

inline ToolRun RunTool(std::vector<std::string> args, const std::string& input = "") {
  args.insert(args.begin(), "cadmira-cli");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCli(static_cast<int>(args.size()), argv.data(), in, out, err);
  return {code, out.str(), err.str()};
}

// A folder of its own for each test, removed with everything in it.
class Folder {
 public:
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cadmira-cli-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
  }
  ~Folder() { std::filesystem::remove_all(m_path); }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  std::string Path(const std::string& name) const { return m_path + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
  }

 private:
  std::string m_path;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A plain Reader file around the given Preferences children and sections after it.
inline std::string ReaderFile(const std::string& preferences, const std::string& after = "") {
  return "<ZandorReader version=\"9.0\" Edition=\"Enterprise\"><Profstore><Preferences>" + preferences +
         "</Preferences>" + after + "</Profstore></ZandorReader>";
}

}  // namespace cadmira::cli::test
