#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TemporaryFolder.h"

// A folder of its own for one test, removed with everything in it; a test may take away its
// write permission, or that of files in it, which the removal gives back first.
class TempFolder {
 public:
  TempFolder() : m_folder(cadmira::MakeTemporaryFolder("cadmira-test-")) {}
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() { cadmira::RemoveTemporaryFolder(m_folder); }

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
