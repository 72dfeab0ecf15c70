#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/PageDialog.h"

struct CXML_TreeElement;
class QTreeWidgetItem;

namespace cadmira::framework {
class TreeView;
}

namespace cadmira::pages {

// One plug-in row: its caption and the file name that identifies it on this page.
struct PluginItem {
  std::u16string Name;
  std::u16string PIPath;
};

// The Plugins page (dialog 150): the plug-in tree, whose checked items are the hidden plug-ins.
class CPluginsdlg : public framework::PageDialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = 150;

  explicit CPluginsdlg(QWidget* parent = nullptr);
  ~CPluginsdlg() override;

  framework::TreeView* PluginTree() const;

  // Appends an unchecked top-level item for the plug-in; its record lives as long as the page.
  QTreeWidgetItem* InsertPluginItem(const std::u16string& name, const std::u16string& piPath);
  const PluginItem* Record(const QTreeWidgetItem* item) const;

  // Checks exactly the items that the loaded document hides; a document without a plug-in list
  // leaves every check as it is.
  void ApplyPluginSection(const CXML_TreeElement* root);

 protected:
  void OnInitDialog() override;

 private:
  std::vector<std::unique_ptr<PluginItem>> m_records;
};

}  // namespace cadmira::pages
