#pragma once

#include <string>
#include <string_view>

namespace cadmira::document {

// UTF-16 to UTF-8. A lone surrogate is kept as its three-byte form, which the element-tree
// reader turns back into the same code unit, so any text survives a write and a read.
std::string ToUtf8(std::u16string_view text);

// Appends the UTF-8 form of one code point (surrogate values included, as three bytes).
void AppendUtf8(char32_t c, std::string& out);

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// UTF-8 to UTF-16; malformed bytes become U+FFFD.
std::u16string FromUtf8(std::string_view text);

}  // namespace cadmira::document
