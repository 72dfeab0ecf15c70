#pragma once

#include <QString>

namespace cadmira::framework {
class PageDialog;
}

namespace cadmira::pages {

// The Browse button of an option page: asks for an existing file through the host's open dialog
// and, when one is chosen, puts its full path into the page's edit `editId`.
void BrowseForFile(framework::PageDialog& page, const QString& filter, int editId);

}  // namespace cadmira::pages
