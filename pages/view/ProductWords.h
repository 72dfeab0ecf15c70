#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cadmira::pages {

// "reader" or "orvanta", the words of --product and of the JSON views.
std::string_view ProductWord(int product);
std::optional<int> ProductFromWord(std::string_view word);
// "Zandor Reader" or "Zandor OrvantaPDF", for messages.
std::string ProductName(int product);
int OtherProduct(int product);

}  // namespace cadmira::pages
