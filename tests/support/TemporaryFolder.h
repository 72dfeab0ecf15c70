#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace cadmira {

// The device that reads as empty, for tests of files that hold nothing.
#ifdef _WIN32
inline constexpr const char* kNullDevice = "NUL";
#else
inline constexpr const char* kNullDevice = "/dev/null";
#endif

// A new, empty folder in the system's temporary folder whose name begins with `prefix`.
inline std::filesystem::path MakeTemporaryFolder(const std::string& prefix) {
  static std::mt19937 generator{std::random_device{}()};
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (;;) {
    const std::filesystem::path folder = base / (prefix + std::to_string(generator()));
    if (std::filesystem::create_directory(folder)) return folder;
  }
}

}  // namespace cadmira
