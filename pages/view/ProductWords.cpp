#include "pages/view/ProductWords.h"

#include "base/AsciiCase.h"
#include "document/ProductTable.h"

namespace cadmira::pages {

std::string_view ProductWord(resources::Product product) {
  return product == resources::Product::Reader ? "reader" : "orvanta";
}

std::optional<resources::Product> ProductFromWord(std::string_view word) {
  if (AsciiEqualNoCase(word, "reader")) return resources::Product::Reader;
  if (AsciiEqualNoCase(word, "orvanta")) return resources::Product::Orvanta;
  return std::nullopt;
}

std::string ProductName(resources::Product product) {
  return product == resources::Product::Reader ? "Zandor Reader" : "Zandor OrvantaPDF";
}

resources::Product OtherProduct(resources::Product product) {
  return product == resources::Product::Reader ? resources::Product::Orvanta : resources::Product::Reader;
}

}  // namespace cadmira::pages
