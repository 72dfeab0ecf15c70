#include "document/ReadWholeFile.h"

#include <cerrno>
#include <cstring>
#include <istream>

#include "document/ReadBounded.h"

namespace cadmira::document {

Result<std::vector<unsigned char>> ReadWholeStream(std::istream& in, const std::string& name, std::uint64_t limit) {
  return ReadBounded(name, limit, 0, [&](unsigned char* into, std::size_t room, std::string& reason) -> long {
    in.read(reinterpret_cast<char*>(into), static_cast<std::streamsize>(room));
    if (in.bad()) {
      reason = std::strerror(EIO);
      return -1;
    }
    return static_cast<long>(in.gcount());
  });
}

}  // namespace cadmira::document
