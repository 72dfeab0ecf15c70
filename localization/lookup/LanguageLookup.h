#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CXML_TreeElement;

namespace cadmira::localization {

// Lookups in a parsed language file. Every one accepts a null tree and then finds nothing.

// The first child element whose tag is exactly `tag`.
const CXML_TreeElement* FirstChildNamed(const CXML_TreeElement* parent, std::string_view tag);

// The first child element, whatever its tag, whose `id` equals `id` ignoring case.
const CXML_TreeElement* FirstChildWithId(const CXML_TreeElement* parent, std::u16string_view id);

// An attribute's value after UnescapeText; empty when it is absent.
std::u16string UnescapedAttribute(const CXML_TreeElement* element, std::string_view name);

// The text of string `id` in the `Strings` section; none when the section or the id is missing.
std::optional<std::u16string> FindString(const CXML_TreeElement* root, int id);

// The joined layout entry of dialog `dialogIdText` itself (controlId 0) or of its control; empty
// when the dialog id is empty, an element is missing or lacks one of the four positions.
std::u16string FindLayoutEntry(const CXML_TreeElement* root, std::u16string_view dialogIdText, int controlId);

struct FontRequest {
  std::u16string faceName;  // empty: any face of the character set
  int charset;              // a Windows charset number, 0 to 255
};

// What `Font`/`PreFont` asks for; none when either element is missing.
std::optional<FontRequest> FindFontRequest(const CXML_TreeElement* root);

}  // namespace cadmira::localization
