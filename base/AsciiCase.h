#pragma once

#include <string>
#include <string_view>

namespace cadmira {

// Case-insensitive comparison of ASCII letters only: other characters, including every
// non-ASCII one, compare by their code unit. Registry names and file keys compare this way.
char16_t AsciiLower(char16_t c);
char AsciiLower(char c);
// The text with its ASCII letters lowered: a key under which names that differ only so meet.
std::u16string AsciiLowered(std::u16string_view text);

// Negative, zero or positive, like std::string_view::compare.
int AsciiCompareNoCase(std::string_view a, std::string_view b);
int AsciiCompareNoCase(std::u16string_view a, std::u16string_view b);

bool AsciiEqualNoCase(std::string_view a, std::string_view b);
bool AsciiEqualNoCase(std::u16string_view a, std::u16string_view b);

// Whether `part` occurs in `text` so; an empty part occurs in every text.
bool AsciiContainsNoCase(std::u16string_view text, std::u16string_view part);

}  // namespace cadmira
