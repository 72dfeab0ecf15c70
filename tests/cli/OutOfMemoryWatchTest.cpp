#include "cli/OutOfMemoryWatch.h"

#include <gtest/gtest.h>

#include "base/MemoryManager.h"

namespace cadmira::cli {
namespace {

TEST(OutOfMemoryWatch, NotesAShortageOnlyWhileItLives) {
  {
    const COutOfMemoryWatch watch;
    void* small = CZD_MemoryManager::AllocateArray(16, 4);
    CZD_MemoryManager::Free(small);
    EXPECT_FALSE(watch.Happened());
    EXPECT_EQ(CZD_MemoryManager::AllocateArray(0x7FFFFFFF / 4 + 1, 4), nullptr);
    EXPECT_TRUE(watch.Happened());
  }
  const COutOfMemoryWatch later;
  EXPECT_EQ(CZD_MemoryManager::AllocateArray(0x7FFFFFFF / 4 + 1, 4, CZD_MemoryManager::kMayFail), nullptr);
  EXPECT_FALSE(later.Happened()) << "a request that may fail is no shortage";
}

}  // namespace
}  // namespace cadmira::cli
