#pragma once

#include <string>
#include <string_view>

namespace cadmira {

// The program's paths and texts are UTF-8; Windows takes them as UTF-16.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// The UTF-8 path as Windows' extended form of its full path (\\?\C:\... or \\?\UNC\server\...),
// which lifts the limit of 260 characters. A device name (NUL, CON, \\.\pipe\...) is kept as the
// system names it.
std::wstring SystemPath(const std::string& path);

// The words for a Windows error code: the same as the Linux build prints where the two systems
// mean the same thing, else the system's own text.
std::string SystemErrorText(unsigned long code);

}  // namespace cadmira
