#pragma once

#include <optional>
#include <string_view>

#include "resources/Product.h"

namespace cadmira::document {

struct ProductInfo {
  resources::Product product;
  std::u16string_view rootTag;
  std::u16string_view edition;
};

const ProductInfo& ProductOf(resources::Product product);

// The product whose root tag this is, ignoring case; empty for any other tag.
std::optional<resources::Product> ProductOfRootTag(std::string_view tag);

}  // namespace cadmira::document
