#pragma once

#include <iosfwd>

namespace cadmira::cli {

// Runs one command line of cadmira-cli against the given streams; returns the exit status
// (0 success, 1 input the command cannot use, 2 usage or file error).
int RunCli(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace cadmira::cli
