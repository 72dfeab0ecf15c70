#include "pages/view/ProductWords.h"

#include "base/AsciiCase.h"
#include "document/ProductTable.h"

namespace cadmira::pages {

std::string_view ProductWord(int product) { return product == document::kReaderProduct ? "reader" : "orvanta"; }

std::optional<int> ProductFromWord(std::string_view word) {
  if (AsciiEqualNoCase(word, "reader")) return document::kReaderProduct;
  if (AsciiEqualNoCase(word, "orvanta")) return document::kOrvantaProduct;
  return std::nullopt;
}

std::string ProductName(int product) {
  return product == document::kReaderProduct ? "Zandor Reader" : "Zandor OrvantaPDF";
}

int OtherProduct(int product) {
  return product == document::kReaderProduct ? document::kOrvantaProduct : document::kReaderProduct;
}

}  // namespace cadmira::pages
