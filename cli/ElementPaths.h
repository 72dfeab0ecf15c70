#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

struct CXML_TreeElement;

namespace cadmira::cli {

// Paths of elements of one tree, from the root: each step the qualified tag, with its position
// among same-named siblings ("Preference[3]") where it has any. The steps of a parent's children
// are worked out together once, so naming every child of a large element stays linear.
class CElementPaths {
 public:
  std::string Of(const CXML_TreeElement* element);
  std::string OfAttribute(const CXML_TreeElement* element, std::string_view attribute);

 private:
  const std::string& Step(const CXML_TreeElement* element);

  std::unordered_map<const CXML_TreeElement*, std::string> m_steps;
};

}  // namespace cadmira::cli
