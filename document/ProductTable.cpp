#include "document/ProductTable.h"

#include "base/AsciiCase.h"

namespace cadmira::document {
namespace {

constexpr ProductInfo kReader{resources::Product::Reader, u"ZandorReader", u"Enterprise"};
constexpr ProductInfo kOrvanta{resources::Product::Orvanta, u"ZandorOrvantaPDF", u"BIZ"};

}  // namespace

const ProductInfo& ProductOf(resources::Product product) {
  return product == resources::Product::Reader ? kReader : kOrvanta;
}

std::optional<resources::Product> ProductOfRootTag(std::string_view tag) {
  if (AsciiEqualNoCase(tag, "ZandorReader")) return resources::Product::Reader;
  if (AsciiEqualNoCase(tag, "ZandorOrvantaPDF")) return resources::Product::Orvanta;
  return std::nullopt;
}

}  // namespace cadmira::document
