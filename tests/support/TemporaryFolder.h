#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

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

// Removes a folder made by MakeTemporaryFolder with everything in it, read-only files included
// (Windows refuses to delete those).
inline void RemoveTemporaryFolder(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (auto entry = fs::recursive_directory_iterator(folder, ignored); entry != fs::recursive_directory_iterator();
       entry.increment(ignored)) {
    fs::permissions(entry->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
  }
  fs::remove_all(folder, ignored);
}

}  // namespace cadmira
