#pragma once

#include <string>

#include "framework/PageDialog.h"
#include "pages/plugins/ProfilePluginStore.h"
#include "pages/plugins/model/PluginListModel.h"
#include "resources/ResourceIds.h"
#include "resources/Product.h"

struct CXML_TreeElement;
class QLabel;
class QLineEdit;
class QPoint;
class QTreeWidgetItem;

namespace cadmira::document {
class CDomDocument;
}

namespace cadmira::framework {
class TreeView;
}

namespace cadmira::pages {

// The Plugins page (dialog 150): the product's plug-ins, whose checked items are hidden, and the
// box that adds a plug-in of this workstation. The page shows its list model; every change of
// the model, from the page or from elsewhere, shows at once.
class CPluginsdlg : public framework::PageDialog, private IPluginListObserver {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kPluginsDialog;
  static constexpr int kPluginTree = 1031;
  static constexpr int kPathEdit = 1024;
  static constexpr int kAddButton = 1023;
  static constexpr int kDeleteButton = 1005;
  static constexpr int kBrowseButton = 1027;
  static constexpr int kFindEdit = resources::kFindEdit;
  static constexpr int kHiddenCountLabel = resources::kHiddenCountLabel;

  explicit CPluginsdlg(QWidget* parent = nullptr);
  // Keeps the plug-ins added on this workstation, less the deleted ones, for the next run.
  ~CPluginsdlg() override;

  framework::TreeView* PluginTree() const;
  QLineEdit* FindEdit() const;
  QLabel* HiddenCountLabel() const;
  CPluginListModel& Model() { return m_model; }
  const CPluginListModel& Model() const { return m_model; }

  // Lists a plug-in added elsewhere, with the added ones; the item that shows it.
  QTreeWidgetItem* InsertPluginItem(const std::u16string& name, const std::u16string& piPath);

  // A name the list lacks becomes a row first, or a Save would drop it without a word.
  void ApplyPluginSection(const CXML_TreeElement* root) {
    m_model.AdoptHiddenNames(root);
    m_model.ApplyPluginSection(root);
  }
  void WritePluginSection(document::CDomDocument& document, bool disableTessadoc) const {
    m_model.WritePluginSection(document, disableTessadoc);
  }

  void OnBrowse();
  void OnAdd();
  void OnDelete();
  // A click at `point` (tree viewport coordinates) highlights the plug-in there for Delete.
  void OnTreeClicked(const QPoint& point);

  // The plug-in list, the find field that narrows it, then the rest in template order.
  std::vector<QWidget*> FocusChain() const override;

 signals:
  // A plug-in was ticked or unticked, listed or deleted.
  void ChecksChanged();

 protected:
  void OnInitDialog() override;

 private:
  void SetTexts(resources::Product product);
  void ConnectControls();
  void OnTreeItemChanged(QTreeWidgetItem* item);
  void SetUpFind();
  // Shows only the plug-ins the find field leaves.
  void ApplyFilter();
  void ShowHiddenCount();

  void OnPluginInserted(std::size_t row) override;
  void OnPluginRemoved(std::size_t row) override;
  void OnPluginChecked(std::size_t row, bool checked) override;

  CProfilePluginStore m_store;
  CPluginListModel m_model;
};

}  // namespace cadmira::pages
