#pragma once

#include <string>
#include <string_view>

namespace cadmira::report {

// UTF-8 that any reader takes: a lone surrogate becomes U+FFFD, and a control character other
// than a tab or a line break its visible picture (U+2400 and on), so that it shows as text.
std::string ReadableUtf8(std::u16string_view text);

}  // namespace cadmira::report
