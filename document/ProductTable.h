#pragma once

#include <optional>
#include <string_view>

namespace cadmira::document {

struct ProductInfo {
  int product;                     // 1 Reader, 0 Orvanta
  std::u16string_view rootTag;
  std::u16string_view edition;
};

// Any product value other than 1 is Orvanta.
const ProductInfo& ProductOf(int product);

// The product whose root tag this is, ignoring case; empty for any other tag.
std::optional<int> ProductOfRootTag(std::string_view tag);

}  // namespace cadmira::document
