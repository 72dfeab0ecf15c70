#include "document/SectionLookup.h"

#include "base/AsciiCase.h"
#include "base/XmlTree.h"

namespace cadmira::document {

const CXML_TreeElement* ProfstoreElement(const CXML_TreeElement* root) {
  return root ? ChildElement(root, 0) : nullptr;
}

const CXML_TreeElement* PreferencesElement(const CXML_TreeElement* root) {
  const CXML_TreeElement* profstore = ProfstoreElement(root);
  return profstore ? ChildElement(profstore, 0) : nullptr;
}

const CXML_TreeElement* ProfstoreSection(const CXML_TreeElement* root, std::string_view tag) {
  const CXML_TreeElement* profstore = ProfstoreElement(root);
  if (!profstore) return nullptr;
  const int count = ChildCount(profstore);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(profstore, i);
    if (child && AsciiEqualNoCase(TagName(child).View(), tag)) return child;
  }
  return nullptr;
}

}  // namespace cadmira::document
