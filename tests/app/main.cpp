#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "app/CadmiraApp.h"
#include "tests/app/StartArguments.h"
#include "framework/Screen.h"
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
  // The offscreen screen is 800 by 600 pixels; windows are laid out as on a screen they fit,
  // unless a test gives a smaller one.
  const cadmira::framework::ScopedScreenAreaOverride largeScreen(QRect(0, 0, 3840, 2160));
  return RUN_ALL_TESTS();
}
