#pragma once

// The second reference of the reader benchmarks: pugixml's parse followed by what our tree adds,
// every attribute value and text decoded from UTF-8 into UTF-16 strings of their own.
#include <pugixml.hpp>

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

class Utf16Values {
 public:
  // Decodes every value and text under `node`, depth first without recursion.
  void Collect(const pugi::xml_node& root) {
    for (pugi::xml_node node = root; node;) {
      for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute()) {
        Decode(attribute.value());
      }
      if (node.type() == pugi::node_pcdata) Decode(node.value());
      if (node.first_child()) {
        node = node.first_child();
        continue;
      }
      while (node && node != root && !node.next_sibling()) node = node.parent();
      if (!node || node == root) break;
      node = node.next_sibling();
    }
  }
  std::size_t Count() const { return m_values.size(); }

 private:
  void Decode(const char* text) {
    std::u16string& out = m_values.emplace_back();
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    while (*bytes) {
      unsigned c = *bytes++;
      if (c >= 0xC0) {
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
        c &= 0x3Fu >> extra;
        for (int i = 0; i < extra && (*bytes & 0xC0) == 0x80; ++i) c = (c << 6) | (*bytes++ & 0x3Fu);
      }
      if (c >= 0x10000) {
        out += static_cast<char16_t>(0xD800 | ((c - 0x10000) >> 10));
        c = 0xDC00 | (c & 0x3FF);
      }
      out += static_cast<char16_t>(c);
    }
  }
  std::vector<std::u16string> m_values;
};

}  // namespace bench
