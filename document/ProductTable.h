#pragma once

#include <optional>
#include <string_view>

namespace cadmira::document {

// Reader is product 1; every other value is Orvanta.
inline constexpr int kReaderProduct = 1;
inline constexpr int kOrvantaProduct = 0;

struct ProductInfo {
  int product;  // 1 Reader, 0 Orvanta
  std::u16string_view rootTag;
  std::u16string_view edition;
};

// Any product value other than 1 is Orvanta.
const ProductInfo& ProductOf(int product);

// The product whose root tag this is, ignoring case; empty for any other tag.
std::optional<int> ProductOfRootTag(std::string_view tag);

}  // namespace cadmira::document
