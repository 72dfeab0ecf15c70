#include "app/CadmiraApp.h"

int main(int argc, char** argv) {
  // The two texts need no display, so they are printed before Qt looks for one.
  if (cadmira::app::PrintInsteadOfWindow(cadmira::app::ParseCommandLine(cadmira::app::RawArguments(argc, argv)),
                                         stdout)) {
    return 0;
  }
  cadmira::app::CCadmiraApp app(argc, argv);
  return app.Run();
}
