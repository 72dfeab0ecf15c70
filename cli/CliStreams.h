#pragma once

#include <iosfwd>

namespace cadmira::cli {

// The standard streams of one run, injected so that tests can read what a command prints.
struct CliStreams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

}  // namespace cadmira::cli
