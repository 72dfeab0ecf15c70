#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "pages/plugins/model/PluginListModel.h"

namespace cadmira::pages {

// Whether a find text leaves the plug-in listed: its caption or its file name holds the text,
// ignoring case. An empty text lists every plug-in.
bool PluginListed(const PluginItem& plugin, std::u16string_view text);

// The rows the text leaves listed, by row.
std::vector<bool> ListedByFilter(const CPluginListModel& model, std::u16string_view text);

// The number of ticked rows, each a plug-in the file hides.
std::size_t HiddenPluginCount(const CPluginListModel& model);

}  // namespace cadmira::pages
