#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "resources/Product.h"

namespace cadmira::pages {

// "reader" or "orvanta", the words of --product and of the JSON views.
std::string_view ProductWord(resources::Product product);
std::optional<resources::Product> ProductFromWord(std::string_view word);
// "Zandor Reader" or "Zandor OrvantaPDF", for messages.
std::string ProductName(resources::Product product);
resources::Product OtherProduct(resources::Product product);

}  // namespace cadmira::pages
