#pragma once

#include <QString>

#include "pages/view/PageView.h"
#include "resources/Product.h"

namespace cadmira::app {

class CCadmiraDlg;

// The window's Compare with File… and Save Report…: what differs between the pages as they are
// now and a chosen file, and the report of the pages as they are now, unsaved changes included,
// as HTML or PDF.
class CReportCommands {
 public:
  explicit CReportCommands(CCadmiraDlg& window) : m_window(window) {}

  void CompareWithFile();
  void SaveReport();

 private:
  resources::Product Product() const;
  pages::PageView CurrentView() const;
  void Notice(int stringId, const QString& caption);

  CCadmiraDlg& m_window;
};

}  // namespace cadmira::app
