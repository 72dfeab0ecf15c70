#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/PageControls.h"

struct CXML_TreeElement;

namespace cadmira::document {

struct PreferenceBinding;

// The value of an attribute of a loaded element; a missing attribute reads as empty.
std::u16string AttributeOrEmpty(const CXML_TreeElement* element, std::string_view name);

// The elements the read walk visits: every child element of Preferences, in document order,
// whatever its tag. Empty when the tree has no Profstore or Preferences in place.
std::vector<const CXML_TreeElement*> PreferenceElements(const CXML_TreeElement* root);

// The reading rules of one control, which the linter asks as well:
// the state of a States binding whose values all equal the element's, ignoring case, or -1;
int MatchedState(const PreferenceBinding& binding, const CXML_TreeElement* element);
// an attribute read as an integer, 0 when it is missing or not a number;
int AttributeIntOrZero(const CXML_TreeElement* element, std::string_view name);
// whether an IntegerOn or DisableTessadoc binding reads its attribute as on (the integer 1).
bool ReadsAsOn(const PreferenceBinding& binding, const CXML_TreeElement* element);

// Sets the page controls from one loaded element by the reading rules of its key; an unknown
// key does nothing, and a value no rule knows leaves its control as it was.
void ApplyPreferenceElement(std::u16string_view key, const CXML_TreeElement* element, IPageControls& controls);

// The read walk, then the root's version (empty when missing) into the version box; nothing at
// all when the tree has no Profstore or Preferences in place.
void ApplyPreferenceSection(const CXML_TreeElement* root, IPageControls& controls);

}  // namespace cadmira::document
