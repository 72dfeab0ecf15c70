#include "resources/IconResource.h"

#include <cstddef>

extern const unsigned char kIcon16[];
extern const std::size_t kIcon16Size;
extern const unsigned char kIcon32[];
extern const std::size_t kIcon32Size;
extern const unsigned char kIcon48[];
extern const std::size_t kIcon48Size;
extern const unsigned char kIcon256[];
extern const std::size_t kIcon256Size;

namespace cadmira::resources {

std::span<const unsigned char> IconResource(int size) {
  switch (size) {
    case 16:
      return {kIcon16, kIcon16Size};
    case 32:
      return {kIcon32, kIcon32Size};
    case 48:
      return {kIcon48, kIcon48Size};
    case 256:
      return {kIcon256, kIcon256Size};
    default:
      return {};
  }
}

}  // namespace cadmira::resources
