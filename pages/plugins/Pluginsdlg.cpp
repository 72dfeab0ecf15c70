#include "pages/plugins/Pluginsdlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "document/DocumentWriter.h"
#include "framework/FindField.h"
#include "framework/FocusChain.h"
#include "framework/Host.h"
#include "framework/StoredSettings.h"
#include "framework/TreeView.h"
#include "localization/CheckStateTexts.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "pages/plugins/model/DefaultPluginList.h"
#include "pages/plugins/model/PluginFilter.h"
#include "resources/ResourceIds.h"

namespace cadmira::pages {
namespace {

using framework::MessageButtons;
using framework::MessageIcon;
using localization::LoadUiString;

void SetLabel(framework::TemplateWindow& page, int id, int stringId) {
  QWidget* control = page.item(id);
  if (auto* label = qobject_cast<QLabel*>(control)) label->setText(LoadUiString(stringId));
  if (auto* button = qobject_cast<QPushButton*>(control)) button->setText(LoadUiString(stringId));
  if (auto* box = qobject_cast<QGroupBox*>(control)) box->setTitle(LoadUiString(stringId));
}

// Notices of this page carry an empty caption.
void Notify(QWidget* owner, int stringId) {
  framework::CurrentHost().MessageBox(owner, LoadUiString(stringId), QString(), MessageIcon::Information,
                                      MessageButtons::Ok);
}

}  // namespace

CPluginsdlg::CPluginsdlg(QWidget* parent) : PageDialog(kDialogId, parent) { SetKeyPassThrough(true); }

CPluginsdlg::~CPluginsdlg() { m_model.RewriteStore(); }

framework::TreeView* CPluginsdlg::PluginTree() const { return item<framework::TreeView>(kPluginTree); }

QLineEdit* CPluginsdlg::FindEdit() const { return item<QLineEdit>(kFindEdit); }

QLabel* CPluginsdlg::HiddenCountLabel() const { return item<QLabel>(kHiddenCountLabel); }

void CPluginsdlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  const resources::Product product = framework::StoredProduct();
  const int language = framework::StoredLanguage();
  SetTexts(product);
  const std::u16string_view section = AddedPluginSection(product);
  m_store = CProfilePluginStore(QString::fromUtf16(section.data(), static_cast<qsizetype>(section.size())));
  if (framework::TreeView* tree = PluginTree()) tree->SetCheckStateTexts(localization::CheckStateTexts());
  m_model.SetObserver(this);
  m_model.Fill(product, language, &m_store);
  ConnectControls();
  if (auto* add = item<QPushButton>(kAddButton)) add->setEnabled(false);
  SetUpFind();
  ShowHiddenCount();
}

void CPluginsdlg::SetUpFind() {
  SetLabel(*this, resources::kFindLabel, resources::kFindText);
  QLineEdit* find = FindEdit();
  if (find == nullptr) return;
  framework::ClearOnEscape(find);
  connect(find, &QLineEdit::textChanged, this, &CPluginsdlg::ApplyFilter);
}

std::vector<QWidget*> CPluginsdlg::FocusChain() const {
  std::vector<QWidget*> chain = PageDialog::FocusChain();
  framework::PlaceAfter(chain, FindEdit(), PluginTree());
  return chain;
}

void CPluginsdlg::ApplyFilter() {
  framework::TreeView* tree = PluginTree();
  const QLineEdit* find = FindEdit();
  if (tree == nullptr || find == nullptr) return;
  const std::vector<bool> listed = ListedByFilter(m_model, find->text().toStdU16String());
  for (std::size_t row = 0; row < listed.size(); ++row) {
    if (QTreeWidgetItem* item = tree->topLevelItem(static_cast<int>(row))) item->setHidden(!listed[row]);
  }
}

void CPluginsdlg::ShowHiddenCount() {
  if (QLabel* count = HiddenCountLabel()) {
    count->setText(LoadUiString(resources::kPluginsHiddenText).arg(HiddenPluginCount(m_model)));
  }
}

void CPluginsdlg::SetTexts(resources::Product product) {
  SetLabel(*this, 1029, 148);
  SetLabel(*this, kAddButton, 150);
  SetLabel(*this, kDeleteButton, 224);
  SetLabel(*this, 1026, 145);
  SetLabel(*this, 1078, 282);
  SetLabel(*this, 1077, 220);
  SetLabel(*this, kBrowseButton, 186);
  const int description = product == resources::Product::Reader ? resources::kReaderPluginsDescription
                                                                : resources::kOrvantaPluginsDescription;
  if (auto* edit = item<QPlainTextEdit>(1025)) edit->setPlainText(LoadUiString(description));
}

void CPluginsdlg::ConnectControls() {
  if (auto* browse = item<QPushButton>(kBrowseButton))
    connect(browse, &QPushButton::clicked, this, &CPluginsdlg::OnBrowse);
  if (auto* add = item<QPushButton>(kAddButton)) connect(add, &QPushButton::clicked, this, &CPluginsdlg::OnAdd);
  if (auto* remove = item<QPushButton>(kDeleteButton)) {
    connect(remove, &QPushButton::clicked, this, &CPluginsdlg::OnDelete);
  }
  if (framework::TreeView* tree = PluginTree()) {
    connect(tree, &framework::TreeView::Clicked, this, &CPluginsdlg::OnTreeClicked);
    connect(tree, &QTreeWidget::itemChanged, this, &CPluginsdlg::OnTreeItemChanged);
  }
}

QTreeWidgetItem* CPluginsdlg::InsertPluginItem(const std::u16string& name, const std::u16string& piPath) {
  m_model.AppendAdded({name, piPath});
  framework::TreeView* tree = PluginTree();
  return tree != nullptr ? tree->topLevelItem(tree->topLevelItemCount() - 1) : nullptr;
}

void CPluginsdlg::OnBrowse() {
  framework::FileDialogRequest request;
  request.mode = framework::FileDialogRequest::Mode::Open;
  request.filter = QStringLiteral("zpi (*.zpi)|*.zpi||");
  request.readOnlyBoxHidden = true;
  const std::optional<QString> path = framework::CurrentHost().FileDialog(this, request);
  if (!path) return;
  if (auto* edit = item<QLineEdit>(kPathEdit)) edit->setText(*path);
  if (auto* add = item<QPushButton>(kAddButton)) add->setEnabled(true);
}

void CPluginsdlg::OnAdd() {
  auto* edit = item<QLineEdit>(kPathEdit);
  if (edit == nullptr) return;
  const std::u16string path = edit->text().toStdU16String();
  switch (m_model.CheckAdd(path)) {
    case PluginAddOutcome::Duplicate:
      Notify(this, 230);
      return;
    case PluginAddOutcome::BadFileName:
      Notify(this, 275);
      return;
    case PluginAddOutcome::Added:
      break;
  }
  // The notice comes first; the plug-in is listed once it is acknowledged.
  Notify(this, 231);
  const PluginAddResult result = m_model.Add(path);
  if (framework::TreeView* tree = PluginTree()) tree->setCurrentItem(tree->topLevelItem(static_cast<int>(result.row)));
  edit->clear();
  if (auto* add = item<QPushButton>(kAddButton)) add->setEnabled(false);
}

void CPluginsdlg::OnDelete() {
  framework::TreeView* tree = PluginTree();
  QTreeWidgetItem* highlighted = tree != nullptr ? tree->DropHighlight() : nullptr;
  if (highlighted == nullptr) return;
  const auto row = static_cast<std::size_t>(tree->indexOfTopLevelItem(highlighted));
  framework::Host& host = framework::CurrentHost();
  if (m_model.IsInitialized(row)) {
    host.MessageBox(this, LoadUiString(resources::kInitialPluginNotDeletedText), QString(), MessageIcon::None,
                    MessageButtons::Ok);
    return;
  }
  const QString question = LoadUiString(resources::kDeletePluginQuestion) + highlighted->text(0) + QLatin1Char('?');
  if (host.MessageBox(this, question, LoadUiString(resources::kDeletePluginCaption), MessageIcon::Question,
                      MessageButtons::YesNo) == framework::MessageAnswer::Yes) {
    m_model.Remove(row);
  }
}

void CPluginsdlg::OnTreeClicked(const QPoint& point) {
  if (framework::TreeView* tree = PluginTree()) tree->SetDropHighlight(tree->HitTest(point).item);
}

void CPluginsdlg::OnTreeItemChanged(QTreeWidgetItem* changed) {
  framework::TreeView* tree = PluginTree();
  const int row = tree->indexOfTopLevelItem(changed);
  if (row >= 0 && static_cast<std::size_t>(row) < m_model.Count()) {
    m_model.SetChecked(static_cast<std::size_t>(row), tree->Checked(changed));
  }
}

void CPluginsdlg::OnPluginInserted(std::size_t row) {
  framework::TreeView* tree = PluginTree();
  if (tree == nullptr) return;
  QTreeWidgetItem* inserted = tree->InsertItem(QString::fromStdU16String(m_model.Item(row).Name));
  if (const QLineEdit* find = FindEdit())
    inserted->setHidden(!PluginListed(m_model.Item(row), find->text().toStdU16String()));
  ShowHiddenCount();
  emit ChecksChanged();
}

void CPluginsdlg::OnPluginRemoved(std::size_t row) {
  if (framework::TreeView* tree = PluginTree()) delete tree->takeTopLevelItem(static_cast<int>(row));
  ShowHiddenCount();
  emit ChecksChanged();
}

void CPluginsdlg::OnPluginChecked(std::size_t row, bool checked) {
  if (framework::TreeView* tree = PluginTree()) tree->SetChecked(tree->topLevelItem(static_cast<int>(row)), checked);
  ShowHiddenCount();
  emit ChecksChanged();
}

}  // namespace cadmira::pages
