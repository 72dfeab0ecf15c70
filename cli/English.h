#pragma once

#include <string>

namespace cadmira::cli {

// The English text of a string id, in UTF-8, as the tool prints the window's messages.
std::string English(int id);

}  // namespace cadmira::cli
