#pragma once

#include <string>
#include <string_view>

#include "pages/plugins/model/PluginItem.h"

namespace cadmira::pages {

// The text after the last "/" or "\" of a chosen path (the whole text when it has neither), so
// that no folder, in either form, reaches a caption, a stored value or the hidden list.
std::u16string_view PluginFileName(std::u16string_view path);

// The file name up to its last "."; empty when it has none.
std::u16string_view PluginCaption(std::u16string_view fileName);

// The plug-in a chosen path names: its caption and its file name.
PluginItem PluginFromPath(std::u16string_view path);

// False for a name the hidden list cannot carry: an empty one, or one holding the ";" that ends
// every name of that list.
bool IsListableFileName(std::u16string_view fileName);

}  // namespace cadmira::pages
