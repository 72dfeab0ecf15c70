#include "localization/lookup/LanguageLookup.h"

#include <array>
#include <string>

#include "base/AsciiCase.h"
#include "base/WideStr.h"
#include "base/XmlTree.h"
#include "localization/lookup/LayoutEntry.h"
#include "localization/lookup/UnescapeText.h"

namespace cadmira::localization {
namespace {

// The face name field of a font description holds 31 characters.
constexpr std::size_t kMaxFaceNameLength = 31;
constexpr int kDefaultCharset = 1;

std::u16string ToU16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

bool HasAllPositions(const CXML_TreeElement* element) {
  for (const char* name : {"left", "top", "width", "height"}) {
    if (!HasAttribute(element, name)) return false;
  }
  return true;
}

}  // namespace

const CXML_TreeElement* FirstChildNamed(const CXML_TreeElement* parent, std::string_view tag) {
  const int count = ChildCount(parent);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(parent, i);
    if (child != nullptr && TagName(child).View() == tag) return child;
  }
  return nullptr;
}

const CXML_TreeElement* FirstChildWithId(const CXML_TreeElement* parent, std::u16string_view id) {
  const int count = ChildCount(parent);
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(parent, i);
    if (child == nullptr || !HasAttribute(child, "id")) continue;
    if (AsciiCompareNoCase(UnescapedAttribute(child, "id"), id) == 0) return child;
  }
  return nullptr;
}

std::u16string UnescapedAttribute(const CXML_TreeElement* element, std::string_view name) {
  CZD_WideStr value;
  if (!AttributeText(element, name, value)) return {};
  return UnescapeText(value.View());
}

std::optional<std::u16string> FindString(const CXML_TreeElement* root, int id) {
  const CXML_TreeElement* strings = FirstChildNamed(root, "Strings");
  if (strings == nullptr) return std::nullopt;
  const CXML_TreeElement* entry = FirstChildWithId(strings, ToU16(std::to_string(id)));
  if (entry == nullptr) return std::nullopt;
  return UnescapedAttribute(entry, "text");
}

std::u16string FindLayoutEntry(const CXML_TreeElement* root, std::u16string_view dialogIdText, int controlId) {
  if (dialogIdText.empty()) return {};
  const CXML_TreeElement* element = FirstChildWithId(FirstChildNamed(root, "Dialogs"), dialogIdText);
  if (controlId != 0) {
    element = FirstChildWithId(element, ToU16(std::to_string(static_cast<std::uint32_t>(controlId))));
  }
  if (element == nullptr || !HasAllPositions(element)) return {};
  return JoinLayoutEntry(UnescapedAttribute(element, "text"), UnescapedAttribute(element, "left"),
                         UnescapedAttribute(element, "top"), UnescapedAttribute(element, "width"),
                         UnescapedAttribute(element, "height"));
}

std::optional<FontRequest> FindFontRequest(const CXML_TreeElement* root) {
  const CXML_TreeElement* preFont = FirstChildNamed(FirstChildNamed(root, "Font"), "PreFont");
  if (preFont == nullptr) return std::nullopt;
  FontRequest request;
  request.faceName = UnescapedAttribute(preFont, "FaceName").substr(0, kMaxFaceNameLength);
  const std::u16string charset = UnescapedAttribute(preFont, "Charset");
  request.charset = charset.empty() ? kDefaultCharset : static_cast<unsigned char>(ReadLenientInt(charset));
  return request;
}

}  // namespace cadmira::localization
