#include "resources/IconResource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace cadmira::resources {
namespace {

std::uint32_t BigEndian32(std::span<const unsigned char> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

// A PNG opens with its signature and the IHDR chunk, which gives width and height, and ends with IEND.
TEST(IconResource, EverySizeIsAPngOfThatSize) {
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const unsigned char end[] = {'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
  for (const int size : kIconSizes) {
    const auto png = IconResource(size);
    ASSERT_GT(png.size(), 33u + 12u) << size;
    EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), png.begin())) << size;
    EXPECT_EQ(BigEndian32(png, 8), 13u) << size;
    EXPECT_TRUE(std::equal(png.begin() + 12, png.begin() + 16, "IHDR")) << size;
    EXPECT_EQ(BigEndian32(png, 16), static_cast<std::uint32_t>(size));
    EXPECT_EQ(BigEndian32(png, 20), static_cast<std::uint32_t>(size));
    EXPECT_EQ(png[24], 8) << "bit depth of " << size;
    EXPECT_EQ(png[25], 6) << "colour with alpha in " << size;
    EXPECT_TRUE(std::equal(std::begin(end), std::end(end), png.end() - 8)) << size;
  }
}

TEST(IconResource, SizesNotDrawnGiveNoBytes) {
  for (const int size : {0, -16, 24, 64, 128, 512}) EXPECT_TRUE(IconResource(size).empty()) << size;
}

}  // namespace
}  // namespace cadmira::resources
