#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "document/DomDocument.h"

struct CXML_TreeElement;

namespace cadmira::document {

// The plug-ins of the Tessadoc feature, hidden together when that feature is disabled.
inline constexpr std::u16string_view kTessadocPlugins = u"TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;";

// The UnloadPluginArray value: every name followed by ";", then the Tessadoc names if asked.
std::u16string JoinUnloadPluginArray(std::span<const std::u16string> names, bool disableTessadoc);

// The names of a value; only a name followed by ";" counts.
std::vector<std::u16string> SplitUnloadPluginArray(std::u16string_view value);

// Names compared ignoring case, looked up in constant time.
class CHiddenPluginSet {
 public:
  explicit CHiddenPluginSet(std::span<const std::u16string> names);
  bool Contains(std::u16string_view piPath) const;

 private:
  std::unordered_set<std::u16string> m_lowered;
};

// Sets UnloadPluginArray on the first child of the first Plugins element; writes nothing when
// the element, the child or the attribute is missing.
void WritePluginSection(CDomDocument& document, std::u16string_view value);

// The UnloadPluginArray of the first child of the Plugins section (a missing attribute reads
// as empty); nothing when there is no Plugins section or it has no child element.
std::optional<std::u16string> ReadUnloadPluginArray(const CXML_TreeElement* root);

}  // namespace cadmira::document
