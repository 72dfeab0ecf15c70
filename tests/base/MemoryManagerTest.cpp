#include "base/Allocator.h"
#include "base/MemoryManager.h"
#include "base/XmlTree.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

int g_handlerCalls = 0;
void CountCall(void* data) { ++*static_cast<int*>(data); }

TEST(MemoryManager, CountsLiveAndPeakBytes) {
  const std::size_t before = CZD_MemoryManager::LiveBytes();
  CZD_MemoryManager::ResetPeak();
  void* a = CZD_MemoryManager::Allocate(1000);
  void* b = CZD_MemoryManager::Allocate(500);
  EXPECT_EQ(CZD_MemoryManager::LiveBytes(), before + 1500);
  a = CZD_MemoryManager::Reallocate(a, 2000);
  EXPECT_EQ(CZD_MemoryManager::LiveBytes(), before + 2500);
  CZD_MemoryManager::Free(a);
  CZD_MemoryManager::Free(b);
  CZD_MemoryManager::Free(nullptr);
  EXPECT_EQ(CZD_MemoryManager::LiveBytes(), before);
  EXPECT_EQ(CZD_MemoryManager::PeakBytes(), before + 2500);
}

TEST(MemoryManager, CallsTheHandlerUnlessTheRequestMayFail) {
  g_handlerCalls = 0;
  CZD_MemoryManager::SetOutOfMemoryHandler(&CountCall, &g_handlerCalls);
  const std::size_t huge = static_cast<std::size_t>(PTRDIFF_MAX);
  EXPECT_EQ(CZD_MemoryManager::Allocate(huge), nullptr);
  EXPECT_EQ(g_handlerCalls, 1);
  EXPECT_EQ(CZD_MemoryManager::Allocate(huge, CZD_MemoryManager::kMayFail), nullptr);
  EXPECT_EQ(g_handlerCalls, 1);
  EXPECT_EQ(CZD_MemoryManager::AllocateArray(0, 4), nullptr);
  EXPECT_EQ(CZD_MemoryManager::AllocateArray(4, 0), nullptr);
  EXPECT_EQ(g_handlerCalls, 1);
  EXPECT_EQ(CZD_MemoryManager::ReallocateArray(nullptr, 0, 4), nullptr);
  EXPECT_EQ(g_handlerCalls, 1) << "a request for nothing is no shortage";

  // Counts beyond the array limit are a shortage like any other.
  EXPECT_EQ(CZD_MemoryManager::AllocateArray(0x7FFFFFFF / 8 + 1, 8), nullptr);
  EXPECT_EQ(g_handlerCalls, 2);
  EXPECT_EQ(CZD_MemoryManager::ReallocateArray(nullptr, 0x7FFFFFFF / 2 + 1, 2), nullptr);
  EXPECT_EQ(g_handlerCalls, 3);
  EXPECT_EQ(CZD_MemoryManager::AllocateArray(0x7FFFFFFF / 8 + 1, 8, CZD_MemoryManager::kMayFail), nullptr);
  EXPECT_EQ(g_handlerCalls, 3);
  void* fits = CZD_MemoryManager::AllocateArray(1000, 8);
  EXPECT_NE(fits, nullptr);
  CZD_MemoryManager::Free(fits);
  EXPECT_EQ(g_handlerCalls, 3);
  CZD_MemoryManager::SetOutOfMemoryHandler(nullptr, nullptr);
}

// Counts what it hands out, so that a test can see every block come back.
class CountingAllocator final : public IZD_Allocator {
 public:
  void* Allocate(std::size_t size) override {
    ++m_live;
    return std::malloc(size);
  }
  void* Reallocate(void* block, std::size_t size) override {
    m_live += block == nullptr;
    return std::realloc(block, size);
  }
  void Free(void* block) override {
    m_live -= block != nullptr;
    std::free(block);
  }
  int m_live = 0;
};

TEST(MemoryManager, TreesGoBackToTheAllocatorTheyCameFrom) {
  const std::string xml = "<a x='1'><b>text</b><c/></a>";
  CountingAllocator allocator;
  CXML_TreeElement* root =
      ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size(), false, nullptr, &allocator);
  ASSERT_NE(root, nullptr);
  EXPECT_GT(allocator.m_live, 0);
  DestroyTree(root);
  EXPECT_EQ(allocator.m_live, 0);

  const std::size_t before = CZD_MemoryManager::LiveBytes();
  root = ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size());
  EXPECT_GT(CZD_MemoryManager::LiveBytes(), before);
  DestroyTree(root);
  EXPECT_EQ(CZD_MemoryManager::LiveBytes(), before);
}

}  // namespace
