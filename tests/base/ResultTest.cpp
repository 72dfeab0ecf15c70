#include "base/Result.h"

#include <gtest/gtest.h>

namespace cadmira {

TEST(Result, HoldsEitherValueOrError) {
  Result<int> good = 7;
  ASSERT_TRUE(good.ok());
  EXPECT_EQ(good.value(), 7);

  Result<int> bad = Error{"no such file"};
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().message, "no such file");

  EXPECT_TRUE(Status().ok());
  EXPECT_EQ(Status(Error{"disk full"}).error().message, "disk full");
}

}  // namespace cadmira
