#include "document/CheckProduct.h"

#include <string>

#include <gtest/gtest.h>

#include "base/XmlTree.h"

namespace cadmira::document {
namespace {

TEST(CheckProduct, AcceptsOnlyTheCurrentProductsRoot) {
  struct Case {
    const char* xml;
    int productNumber;  // as the setting holds it
    int expected;
  };
  const Case cases[] = {
      {"<ZandorReader/>", 1, 0},     {"<zandorreader/>", 1, 0},       {"<ns:ZandorReader/>", 1, 0},
      {"<ZandorOrvantaPDF/>", 0, 0}, {"<ZANDORORVANTAPDF/>", 5, 0},   {"<ZandorReader/>", 0, 236},
      {"<ZandorReader/>", -3, 236},  {"<ZandorOrvantaPDF/>", 1, 237}, {"<ZandorReaders/>", 1, 238},
      {"<Profstore/>", 0, 238},      {"<Zandor\xC3\x9C/>", 0, 238},
  };
  for (const Case& c : cases) {
    const std::string xml = c.xml;
    const XmlTreePtr tree(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
    ASSERT_TRUE(tree) << xml;
    EXPECT_EQ(CheckProduct(tree.get(), resources::ProductFromNumber(c.productNumber)), c.expected)
        << xml << " with product " << c.productNumber;
  }
  EXPECT_EQ(CheckProduct(nullptr, resources::Product::Reader), 238);
}

}  // namespace
}  // namespace cadmira::document
