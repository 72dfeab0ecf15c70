#include "document/Reader_XmlManager.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace cadmira::document {
namespace {

namespace fs = std::filesystem;

TEST(Reader_XmlManager, LoadsWholeFilesAndOwnsTheTreeItKeeps) {
  std::string pattern = (fs::temp_directory_path() / "cadmira-manager-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const fs::path folder = pattern;
  const std::string path = (folder / "a.xml").string();
  std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF<?xml version=\"1.0\"?><ZandorReader><Profstore/></ZandorReader>";
  std::ofstream((folder / "empty.xml").string(), std::ios::binary);

  CReader_XmlManager manager;
  CXML_TreeElement* root = manager.LoadConfigFile(path);
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(TagName(root).View(), "ZandorReader");
  manager.SetRoot(root);
  // Replacing the tree releases the previous one; the sanitizer build checks that nothing leaks.
  manager.SetRoot(manager.LoadConfigFile(path));
  manager.SetRoot(manager.Root());
  EXPECT_NE(manager.Root(), nullptr);

  EXPECT_EQ(manager.LoadConfigFile((folder / "empty.xml").string()), nullptr);
  EXPECT_EQ(manager.LoadConfigFile((folder / "missing.xml").string()), nullptr);
  EXPECT_EQ(manager.LoadConfigFile(folder.string()), nullptr);
  // A resource the program does not carry is empty, so there is no tree.
  EXPECT_EQ(manager.LoadConfigResource(-1), nullptr);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace cadmira::document
