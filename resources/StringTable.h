#pragma once

#include <string_view>

namespace cadmira::resources {

// The English text of interface string `id`; empty when the table has no such string.
std::u16string_view EnglishString(int id);

}  // namespace cadmira::resources
