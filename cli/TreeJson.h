#pragma once

#include <iosfwd>

struct CXML_TreeElement;

namespace cadmira::cli {

// The tree as one line of JSON: per element {"prefix", "tag", "attributes", "children"}, per
// text segment {"text"}, in document order; any depth prints without recursion.
void WriteTreeJson(const CXML_TreeElement* root, std::ostream& out);

}  // namespace cadmira::cli
