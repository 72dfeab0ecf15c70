#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/CadmiraApp.h"
#include "tests/app/StartArguments.h"
#include "tests/support/HostFailures.h"

int main(int argc, char** argv) {
  // Test discovery runs this binary at build time too: never ask for a display.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  FailTestsOnHostProblems();
  // The application object as the program builds it, with Qt's own options on its command line:
  // they must not count as arguments.
  std::vector<char*> arguments = {argv[0]};
  for (const char* extra : kQtOptionsAndStartFile) arguments.push_back(const_cast<char*>(extra));
  int count = static_cast<int>(arguments.size());
  cadmira::app::CCadmiraApp application(count, arguments.data());
  return RUN_ALL_TESTS();
}
