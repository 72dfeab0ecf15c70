#pragma once

#include <array>
#include <span>

namespace cadmira::resources {

// The sizes, in pixels, in which the program icon is drawn.
inline constexpr std::array<int, 4> kIconSizes = {16, 32, 48, 256};

// The PNG bytes of the program icon of `size` × `size` pixels; empty for a size not drawn.
std::span<const unsigned char> IconResource(int size);

}  // namespace cadmira::resources
