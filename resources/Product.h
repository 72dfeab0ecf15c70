#pragma once

namespace cadmira::resources {

// The two products a configuration file is for. Files and settings keep a product as a number:
// 1 is Reader, and any other number reads as Orvanta.
enum class Product { Orvanta = 0, Reader = 1 };

constexpr Product ProductFromNumber(int number) { return number == 1 ? Product::Reader : Product::Orvanta; }
constexpr int ProductNumber(Product product) { return product == Product::Reader ? 1 : 0; }

}  // namespace cadmira::resources
