#include "pages/plugins/Pluginsdlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "document/PluginList.h"
#include "document/SectionLookup.h"
#include "framework/ProfileStore.h"
#include "framework/TreeView.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

constexpr int kPluginTree = 1031;

void SetLabel(framework::TemplateWindow& page, int id, int stringId) {
  QWidget* control = page.item(id);
  if (auto* label = qobject_cast<QLabel*>(control)) label->setText(LoadUiString(stringId));
  if (auto* button = qobject_cast<QPushButton*>(control)) button->setText(LoadUiString(stringId));
  if (auto* box = qobject_cast<QGroupBox*>(control)) box->setTitle(LoadUiString(stringId));
}

}  // namespace

CPluginsdlg::CPluginsdlg(QWidget* parent) : PageDialog(kDialogId, parent) { SetKeyPassThrough(true); }

CPluginsdlg::~CPluginsdlg() = default;

framework::TreeView* CPluginsdlg::PluginTree() const { return item<framework::TreeView>(kPluginTree); }

void CPluginsdlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  SetLabel(*this, 1029, 148);
  SetLabel(*this, 1023, 150);
  SetLabel(*this, 1005, 224);
  SetLabel(*this, 1026, 145);
  SetLabel(*this, 1078, 282);
  SetLabel(*this, 1077, 220);
  SetLabel(*this, 1027, 186);
  const bool reader = framework::ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0) == 1;
  if (auto* description = item<QPlainTextEdit>(1025)) description->setPlainText(LoadUiString(reader ? 152 : 245));
}

QTreeWidgetItem* CPluginsdlg::InsertPluginItem(const std::u16string& name, const std::u16string& piPath) {
  framework::TreeView* tree = PluginTree();
  if (tree == nullptr) return nullptr;
  m_records.push_back(std::make_unique<PluginItem>(PluginItem{name, piPath}));
  QTreeWidgetItem* added = tree->InsertItem(QString::fromStdU16String(name));
  tree->SetItemData(added, reinterpret_cast<quintptr>(m_records.back().get()));
  return added;
}

const PluginItem* CPluginsdlg::Record(const QTreeWidgetItem* item) const {
  const framework::TreeView* tree = PluginTree();
  return tree != nullptr ? reinterpret_cast<const PluginItem*>(tree->ItemData(item)) : nullptr;
}

void CPluginsdlg::ApplyPluginSection(const CXML_TreeElement* root) {
  framework::TreeView* tree = PluginTree();
  const std::optional<std::u16string> value = document::ReadUnloadPluginArray(root);
  if (tree == nullptr || !value) return;
  const std::vector<std::u16string> names = document::SplitUnloadPluginArray(*value);
  const document::CHiddenPluginSet hidden(names);
  for (int i = 0; i < tree->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = tree->topLevelItem(i);
    const PluginItem* record = Record(row);
    tree->SetChecked(row, record != nullptr && hidden.Contains(record->PIPath));
  }
}

}  // namespace cadmira::pages
