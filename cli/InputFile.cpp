#include "cli/InputFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <istream>
#include <memory>

namespace cadmira::cli {

namespace {

Error CannotRead(const std::string& path, int code) {
  return Error{"Cannot read " + path + ": " + std::strerror(code)};
}

}  // namespace

Result<std::vector<unsigned char>> ReadInputFile(const std::string& path, std::istream& in) {
  std::vector<unsigned char> bytes;
  char chunk[65536];
  if (path == "-") {
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      bytes.insert(bytes.end(), chunk, chunk + in.gcount());
    }
    if (in.bad()) {
      return Error{"Cannot read the standard input"};
    }
    return bytes;
  }
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) {
    return CannotRead(path, errno);
  }
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(file.get())) {
    return CannotRead(path, errno);
  }
  return bytes;
}

}  // namespace cadmira::cli
