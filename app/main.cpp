#include "app/CadmiraApp.h"

int main(int argc, char** argv) {
  cadmira::app::CCadmiraApp app(argc, argv);
  return app.Run();
}
