#include "document/ProductTable.h"

#include "base/AsciiCase.h"

namespace cadmira::document {
namespace {

constexpr ProductInfo kReader{kReaderProduct, u"ZandorReader", u"Enterprise"};
constexpr ProductInfo kOrvanta{kOrvantaProduct, u"ZandorOrvantaPDF", u"BIZ"};

}  // namespace

const ProductInfo& ProductOf(int product) { return product == kReaderProduct ? kReader : kOrvanta; }

std::optional<int> ProductOfRootTag(std::string_view tag) {
  if (AsciiEqualNoCase(tag, "ZandorReader")) return kReaderProduct;
  if (AsciiEqualNoCase(tag, "ZandorOrvantaPDF")) return kOrvantaProduct;
  return std::nullopt;
}

}  // namespace cadmira::document
