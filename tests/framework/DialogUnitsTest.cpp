#include "framework/DialogUnits.h"

#include <gtest/gtest.h>

#include <climits>

namespace cadmira::framework {
namespace {

TEST(MulDivTest, RoundsHalfAwayFromZeroAndRefusesWhatItCannotAnswer) {
  struct Case {
    int a, b, c, expected;
  };
  const Case cases[] = {
      {10, 3, 4, 8},   // 7.5 rounds up
      {7, 1, 2, 4},    // 3.5
      {5, 1, 4, 1},    // 1.25
      {-7, 1, 2, -4},  // -3.5 rounds away from zero
      {7, -1, 2, -4},      {-7, -1, 2, 4},           {7, 1, -2, -4},
      {26, 144, 96, 39},   {8, 144, 72, 16},         {1, 1, 0, -1},  // division by zero
      {INT_MAX, 4, 1, -1},                                           // overflow
      {INT_MAX, 4, 2, -1}, {INT_MAX, 2, 2, INT_MAX},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
  }
}

TEST(DialogUnitsTest, ConvertPositionAndSizeOneByOneAtTheScreenScale) {
  const BaseUnits base{7, 13};
  // 421 x 390 units: 421*7/4 = 736.75 and 390*13/8 = 633.75.
  EXPECT_EQ(DialogUnitsToPixels(QRect(0, 0, 421, 390), base, 96), QRect(0, 0, 737, 634));
  EXPECT_EQ(DialogUnitsToPixels(QRect(7, 9, 407, 344), base, 96), QRect(12, 15, 712, 559));
  // At 144 dpi each value is scaled from the 96-dpi measure and rounded once.
  EXPECT_EQ(DialogUnitsToPixelsX(421, base, 144), 1105);        // 1105.125
  EXPECT_EQ(DialogUnitsToPixelsY(390, base, 144), 951);         // 950.625
  EXPECT_EQ(DialogUnitsToPixelsX(1, BaseUnits{6, 13}, 96), 2);  // 1.5 rounds up
}

TEST(DialogUnitsTest, FontPixelSizeFollowsTheDpi) {
  EXPECT_EQ(FontPixelSize(8, 96), 11);
  EXPECT_EQ(FontPixelSize(8, 144), 16);
  EXPECT_EQ(FontPixelSize(9, 120), 15);
}

}  // namespace
}  // namespace cadmira::framework
