#pragma once

#include <functional>
#include <string>

namespace cadmira::cli {

// One thing `lint` found: a stable code for scripts, a message for people and where it is (an
// element path such as /ZandorReader/Profstore/Preferences/Preference[3], "/@attr" for an
// attribute, "/" for the file as a whole).
struct Finding {
  std::string code;
  std::string message;
  std::string where;
};

// Takes each finding as it is made, so that a file with countless faults needs no list of them.
using FindingSink = std::function<void(const Finding&)>;

}  // namespace cadmira::cli
