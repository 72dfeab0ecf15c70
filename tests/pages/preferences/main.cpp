#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/HostFailures.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time too, where no display exists.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  FailTestsOnHostProblems();
  QApplication application(argc, argv);
  return RUN_ALL_TESTS();
}
