#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "tests/support/TemporaryFolder.h"

// A folder of its own for one test, removed with everything in it; a test may take away its
// write permission, which the removal gives back first.
class TempFolder {
 public:
  TempFolder() : m_folder(cadmira::MakeTemporaryFolder("cadmira-test-")) {}
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(m_folder, ignored);
  }

  const std::filesystem::path& Folder() const { return m_folder; }
  std::string Path(const std::string& name) const { return (m_folder / name).string(); }
  std::string path() const { return m_folder.string(); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

 private:
  std::filesystem::path m_folder;
};
