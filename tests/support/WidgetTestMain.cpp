// The main of the widget test binaries: the offscreen platform, host problems as test failures, one
// application object.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>

#include "tests/support/HostFailures.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time too: never ask for a display.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  FailTestsOnHostProblems();
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Cadmira"));
  return RUN_ALL_TESTS();
}
