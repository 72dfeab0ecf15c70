#include "pages/preferences/BrowseForFile.h"

#include <QLineEdit>

#include "framework/PageDialog.h"
#include "framework/Host.h"

namespace cadmira::pages {

void BrowseForFile(framework::PageDialog& page, const QString& filter, int editId) {
  framework::FileDialogRequest request;
  request.mode = framework::FileDialogRequest::Mode::Open;
  request.filter = filter;
  request.readOnlyBoxHidden = true;
  request.overwritePrompt = true;
  // Owned by the window, as the platform's dialog takes the main window when given no owner.
  const std::optional<QString> path = framework::CurrentHost().FileDialog(page.window(), request);
  if (!path) return;
  if (auto* edit = page.item<QLineEdit>(editId)) edit->setText(*path);
}

}  // namespace cadmira::pages
