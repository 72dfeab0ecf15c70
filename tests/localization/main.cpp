#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/HostFailures.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time too, where no display exists.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  FailTestsOnHostProblems();
  return RUN_ALL_TESTS();
}
