#pragma once

#include <string>
#include <vector>

namespace cadmira::cli {

// Readies the process's standard streams for the tool (bytes pass through unchanged) and gives
// its arguments, the program name first, as UTF-8, whatever form the system hands them in.
std::vector<std::string> PrepareProcess(int argc, char** argv);

}  // namespace cadmira::cli
