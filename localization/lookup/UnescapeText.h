#pragma once

#include <string>
#include <string_view>

namespace cadmira::localization {

// Turns the escapes \t, \n and \r into their characters, left to right; the first backslash that
// starts no such escape, and everything after it, stays as written.
std::u16string UnescapeText(std::u16string_view text);

}  // namespace cadmira::localization
