#include "document/Reader_XmlManager.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "base/MemoryManager.h"

namespace cadmira::document {
namespace {

std::span<const unsigned char> Bytes(const std::string& text) {
  return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

TEST(Reader_XmlManager, OwnsOneTreeAndReleasesEveryTreeItLetsGo) {
  const std::string file = "\xEF\xBB\xBF<?xml version=\"1.0\"?><ZandorReader><Profstore/></ZandorReader>";
  const std::size_t before = CZD_MemoryManager::LiveBytes();
  {
    CReader_XmlManager manager(CReader_XmlManager::LoadConfigBytes(Bytes(file)));
    ASSERT_NE(manager.Root(), nullptr);
    EXPECT_EQ(TagName(manager.Root()).View(), "ZandorReader");
    manager.SetRoot(CReader_XmlManager::LoadConfigBytes(Bytes("<b/>")));
    manager.SetRoot(manager.Root());
    EXPECT_EQ(TagName(manager.Root()).View(), "b");

    CReader_XmlManager moved(std::move(manager));
    EXPECT_EQ(manager.Root(), nullptr);
    manager = std::move(moved);
    EXPECT_EQ(TagName(manager.Root()).View(), "b");
    DestroyTree(manager.Release());
    EXPECT_EQ(manager.Root(), nullptr);
    manager.SetRoot(CReader_XmlManager::LoadConfigBytes(Bytes(file)));
  }
  EXPECT_EQ(CZD_MemoryManager::LiveBytes(), before) << "every tree went back";
}

TEST(Reader_XmlManager, GivesNoTreeForNothingToParse) {
  EXPECT_EQ(CReader_XmlManager::LoadConfigBytes({}), nullptr);
  EXPECT_EQ(CReader_XmlManager::LoadConfigBytes(Bytes("just text")), nullptr);
  // A resource the program does not carry is empty, so there is no tree.
  EXPECT_EQ(CReader_XmlManager::LoadConfigResource(-1), nullptr);
}

}  // namespace
}  // namespace cadmira::document
