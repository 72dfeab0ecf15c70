#pragma once

#include <string_view>

struct CXML_TreeElement;

namespace cadmira::document {

// The sections of a loaded tree, found by position and name as the format fixes them.

// The root's first child element, taken as Profstore whatever its name; null when the first
// child is text or missing.
const CXML_TreeElement* ProfstoreElement(const CXML_TreeElement* root);

// The first child of Profstore, taken as Preferences whatever its name.
const CXML_TreeElement* PreferencesElement(const CXML_TreeElement* root);

// The first child element of Profstore whose tag equals `tag` ignoring case.
const CXML_TreeElement* ProfstoreSection(const CXML_TreeElement* root, std::string_view tag);

}  // namespace cadmira::document
