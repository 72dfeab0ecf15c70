#pragma once

#include <iosfwd>

struct CXML_TreeElement;

namespace cadmira::cli {

// The tree for people: one line per element (qualified tag, then name="value" per attribute)
// and per text segment (quoted), indented two spaces per level. Past 32 levels the indentation
// stops growing and the line starts with its depth in brackets, so deep trees stay printable.
void WriteTreeText(const CXML_TreeElement* root, std::ostream& out);

}  // namespace cadmira::cli
