#include "pages/preferences/Preferencedlg.h"

#include <algorithm>
#include <optional>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCollator>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/AccessibleNames.h"
#include "framework/ComboBox.h"
#include "framework/FindField.h"
#include "framework/ListBox.h"
#include "framework/Screen.h"
#include "framework/StoredSettings.h"
#include "localization/LanguageFile.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "localization/WindowText.h"
#include "pages/preferences/model/ChangedRows.h"
#include "pages/preferences/model/PreferenceFilter.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "resources/ResourceIds.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

// Rows sort as a reader of the interface language expects: English by the alphabet ignoring
// case, Chinese by pinyin.
QCollator InterfaceCollator() {
  const int langid = framework::StoredLanguage();
  const bool chinese = (langid & 0xFFFF) == localization::kChineseLangId;
  QCollator collator(chinese ? QLocale(QLocale::Chinese, QLocale::China)
                             : QLocale(QLocale::English, QLocale::UnitedStates));
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

}  // namespace

CPreferencedlg::CPreferencedlg(QWidget* parent)
    : PageDialog(kDialogId, parent), m_pages{&m_aboutPage,          &m_rmsPage,         &m_readModePage,
                                             &m_commentsFilterPage, &m_sendCrashPage,   &m_internetPage,
                                             &m_notifyPage,         &m_collectDataPage, &m_advertisePage,
                                             &m_checkPage,          &m_languagePage,    &m_programNamePage,
                                             &m_safeReadingPage,    &m_linkPage,        &m_statusPage,
                                             &m_tessadocPage,       &m_serverPage,      &m_checkAppPage} {
  SetKeyPassThrough(true);
}

CPreferencedlg::~CPreferencedlg() = default;

QLineEdit* CPreferencedlg::VersionEdit() const { return item<QLineEdit>(kVersionEdit); }

framework::ListBox* CPreferencedlg::SettingList() const { return item<framework::ListBox>(kSettingList); }

QLineEdit* CPreferencedlg::FindEdit() const { return item<QLineEdit>(kFindEdit); }

QCheckBox* CPreferencedlg::ChangedOnlyBox() const { return item<QCheckBox>(kChangedOnlyBox); }

void CPreferencedlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  m_nProduct = framework::StoredProduct();
  if (QWidget* label = item(kVersionLabel))
    localization::SetWindowText(label, LoadUiString(VersionLabelId(m_nProduct)));
  if (auto* description = item<QPlainTextEdit>(kDescriptionEdit)) {
    description->setPlainText(LoadUiString(InitialDescriptionId(m_nProduct)));
  }
  AddRows();
  // The label before the list names the version box.
  if (QWidget* list = SettingList()) list->setAccessibleName(LoadUiString(resources::kSettingListName));
  if (auto* options = item<QGroupBox>(kOptionsBox)) options->setTitle(LoadUiString(resources::kOptionsTitle));
  if (auto* box = item<QGroupBox>(kDescriptionBox)) box->setTitle(LoadUiString(resources::kDescriptionTitle));
  SetListExtent();
  PlacePages();
  ShowPageOf(kAboutKey);
  if (framework::ListBox* list = SettingList()) {
    connect(list, &QListWidget::currentRowChanged, this, &CPreferencedlg::OnSelChange);
  }
  if (QLineEdit* version = VersionEdit()) connect(version, &QLineEdit::textChanged, this, &CPreferencedlg::Edited);
  SetUpFind();
  connect(this, &CPreferencedlg::Edited, this, &CPreferencedlg::MarkChangedRows);
}

void CPreferencedlg::SetUpFind() {
  if (auto* label = item<QLabel>(resources::kFindLabel)) label->setText(LoadUiString(resources::kFindText));
  QLineEdit* find = FindEdit();
  QCheckBox* changedOnly = ChangedOnlyBox();
  if (find == nullptr || changedOnly == nullptr) return;
  changedOnly->setText(LoadUiString(resources::kChangedOnlyText));
  framework::ClearOnEscape(find);
  connect(find, &QLineEdit::textChanged, this, &CPreferencedlg::ApplyFilter);
  connect(changedOnly, &QCheckBox::toggled, this, &CPreferencedlg::ApplyFilter);
}

const std::vector<std::u16string>& CPreferencedlg::SearchTexts(int key) {
  const auto known = m_searchTexts.find(key);
  if (known != m_searchTexts.end()) return known->second;
  std::vector<std::u16string>& texts = m_searchTexts[key];
  const PreferencePageRow* row = FindPreferencePageRow(key);
  if (row == nullptr) return texts;
  texts.push_back(ToU16(LoadUiString(RowTextId(*row, m_nProduct))));
  texts.push_back(ToU16(LoadUiString(RowDescriptionId(*row, m_nProduct))));
  QWidget* page = OptionPage(row->pageId);
  if (page == nullptr) return texts;
  const auto add = [&texts](const QString& text) {
    if (!text.isEmpty()) texts.push_back(ToU16(framework::WithoutMnemonics(text)));
  };
  if (!row->checkBoxes.empty()) {
    for (const int box : row->checkBoxes) {
      if (auto* check = qobject_cast<QAbstractButton*>(Control(row->pageId, box))) add(check->text());
    }
    return texts;
  }
  for (const auto* label : page->findChildren<QLabel*>()) add(label->text());
  for (const auto* button : page->findChildren<QAbstractButton*>()) add(button->text());
  for (const auto* box : page->findChildren<QGroupBox*>()) add(box->title());
  for (const auto* combo : page->findChildren<QComboBox*>()) {
    for (int index = 0; index < combo->count(); ++index) add(combo->itemText(index));
  }
  return texts;
}

void CPreferencedlg::ApplyFilter() {
  framework::ListBox* list = SettingList();
  const QLineEdit* find = FindEdit();
  const QCheckBox* changedOnly = ChangedOnlyBox();
  if (list == nullptr || find == nullptr || changedOnly == nullptr) return;
  const PreferenceFilter filter{ToU16(find->text()), changedOnly->isChecked()};
  std::vector<int> listed;
  for (int index = 0; index < list->count(); ++index) {
    const int key = static_cast<int>(list->ItemData(index));
    const bool changed = std::find(m_changedKeys.begin(), m_changedKeys.end(), key) != m_changedKeys.end();
    // An empty filter lists every row without building a page for its labels.
    const bool shown = filter.Empty() || RowListed(SearchTexts(key), changed, filter);
    list->setRowHidden(index, !shown);
    if (shown) listed.push_back(key);
  }
  const int current = list->currentRow();
  const std::optional<int> selected =
      current >= 0 ? std::optional<int>(static_cast<int>(list->ItemData(current))) : std::nullopt;
  const std::optional<int> select = RowToSelect(listed, selected);
  // Nothing listed: the page shown stays.
  if (!select || select == selected) return;
  for (int index = 0; index < list->count(); ++index) {
    if (list->ItemData(index) == *select) list->setCurrentRow(index);
  }
}

void CPreferencedlg::MarkChangedRows() {
  framework::ListBox* list = SettingList();
  if (list == nullptr) return;
  std::vector<int> changed = ChangedRowKeys(m_nProduct, *this, m_untouched);
  if (changed == m_changedKeys) return;
  m_changedKeys = std::move(changed);
  const QString description = LoadUiString(resources::kChangedDescription);
  for (int index = 0; index < list->count(); ++index) {
    QListWidgetItem* row = list->item(index);
    const int key = static_cast<int>(list->ItemData(index));
    const bool marked = std::find(m_changedKeys.begin(), m_changedKeys.end(), key) != m_changedKeys.end();
    QFont bold = list->font();
    bold.setBold(true);
    row->setData(Qt::FontRole, marked ? QVariant(bold) : QVariant());
    // Screen readers say the mark with the row.
    row->setData(Qt::AccessibleDescriptionRole, marked ? description : QString());
  }
  if (const QCheckBox* changedOnly = ChangedOnlyBox(); changedOnly != nullptr && changedOnly->isChecked()) {
    ApplyFilter();
  }
}

void CPreferencedlg::FollowEdits(QWidget* page) {
  for (auto* button : page->findChildren<QAbstractButton*>()) {
    connect(button, &QAbstractButton::toggled, this, &CPreferencedlg::Edited);
  }
  for (auto* combo : page->findChildren<QComboBox*>()) {
    connect(combo, &QComboBox::currentIndexChanged, this, &CPreferencedlg::Edited);
  }
  for (auto* edit : page->findChildren<QLineEdit*>())
    connect(edit, &QLineEdit::textChanged, this, &CPreferencedlg::Edited);
}

void CPreferencedlg::AddRows() {
  framework::ListBox* list = SettingList();
  if (list == nullptr) return;
  list->SetCollator(InterfaceCollator());
  for (const PreferencePageRow* row : ListedPreferenceRows(m_nProduct)) {
    const int index = list->AddString(LoadUiString(RowTextId(*row, m_nProduct)));
    list->SetItemData(index, row->key);
  }
  // The About row, which the page opens on; in English it is also the first.
  for (int index = 0; index < list->count(); ++index) {
    if (list->ItemData(index) == kAboutKey) list->setCurrentRow(index);
  }
}

void CPreferencedlg::SetListExtent() {
  framework::ListBox* list = SettingList();
  if (list == nullptr) return;
  int widest = 0;
  for (int index = 0; index < list->count(); ++index) {
    widest = qMax(widest, list->fontMetrics().horizontalAdvance(list->item(index)->text()));
  }
  list->SetHorizontalExtent(widest + 4);
}

void CPreferencedlg::PlacePages() {
  const QWidget* options = item(kOptionsBox);
  if (options == nullptr) return;
  const double scale = framework::ScreenDpi() / 96.0;
  const int side = static_cast<int>(4 * scale);
  const int top = static_cast<int>(30 * scale);
  const QRect box = options->geometry();
  m_rcPage = QRect(box.x() + side, box.y() + top, box.width() - 2 * side, box.height() - top - side);
  for (COptionPage* page : m_pages) {
    if (page->IsCreated()) page->setGeometry(m_rcPage);
  }
}

std::vector<QWidget*> CPreferencedlg::FocusChain() const {
  std::vector<QWidget*> chain{item(kVersionEdit), item(kFindEdit), item(kChangedOnlyBox), item(kSettingList)};
  // Every page built so far: Tab passes over the hidden ones.
  for (const COptionPage* page : m_pages) {
    if (!page->IsCreated()) continue;
    const std::vector<QWidget*> options = page->FocusChain();
    chain.insert(chain.end(), options.begin(), options.end());
  }
  chain.push_back(item(kDescriptionEdit));
  return chain;
}

COptionPage* CPreferencedlg::OptionPage(int dialogId) {
  for (COptionPage* page : m_pages) {
    if (page->TemplateId() != dialogId) continue;
    if (!page->IsCreated()) {
      if (!page->Create(this)) return nullptr;
      page->setGeometry(m_rcPage);
      page->hide();
      FollowEdits(page);
      m_pageTable[PageTableKey(dialogId)] = page;
      // A page built on first use would come last in the window's Tab order.
      emit FocusChainChanged();
    }
    return page;
  }
  return nullptr;
}

void CPreferencedlg::ShowPageOf(int key) {
  const PreferencePageRow* row = FindPreferencePageRow(key);
  COptionPage* shown = row != nullptr ? OptionPage(row->pageId) : nullptr;
  for (const auto& [tableKey, page] : m_pageTable) {
    if (page != shown) page->hide();
  }
  if (shown == nullptr) return;
  if (shown == &m_checkPage) m_checkPage.ShowOnly(row->checkBoxes);
  // Screen readers announce the page by the setting it shows.
  shown->setAccessibleName(LoadUiString(RowTextId(*row, m_nProduct)));
  shown->show();
}

void CPreferencedlg::OnSelChange() {
  framework::ListBox* list = SettingList();
  if (list == nullptr || list->currentRow() < 0) return;
  const int key = static_cast<int>(list->ItemData(list->currentRow()));
  ShowPageOf(key);
  const PreferencePageRow* row = FindPreferencePageRow(key);
  auto* description = item<QPlainTextEdit>(kDescriptionEdit);
  if (row != nullptr && description != nullptr)
    description->setPlainText(LoadUiString(RowDescriptionId(*row, m_nProduct)));
}

QWidget* CPreferencedlg::Control(int dialogId, int controlId) const {
  if (dialogId == kDialogId) return item(controlId);
  for (const COptionPage* page : m_pages) {
    if (page->TemplateId() == dialogId) return page->IsCreated() ? page->item(controlId) : nullptr;
  }
  return nullptr;
}

// A page not built yet reads as a fresh one: unchecked, at item 0, empty.
bool CPreferencedlg::Checked(int dialogId, int controlId) const {
  const auto* box = qobject_cast<const QCheckBox*>(Control(dialogId, controlId));
  return box != nullptr && box->isChecked();
}

void CPreferencedlg::SetChecked(int dialogId, int controlId, bool checked) {
  OptionPage(dialogId);
  if (auto* box = qobject_cast<QCheckBox*>(Control(dialogId, controlId))) box->setChecked(checked);
}

int CPreferencedlg::ComboIndex(int dialogId, int controlId) const {
  const QWidget* control = Control(dialogId, controlId);
  if (control == nullptr) return 0;
  const auto* combo = qobject_cast<const framework::ComboBox*>(control);
  return combo != nullptr ? combo->CurSel() : 0;
}

void CPreferencedlg::SetComboIndex(int dialogId, int controlId, int index) {
  OptionPage(dialogId);
  if (auto* combo = qobject_cast<framework::ComboBox*>(Control(dialogId, controlId))) combo->SetCurSel(index);
}

std::u16string CPreferencedlg::Text(int dialogId, int controlId) const {
  const auto* edit = qobject_cast<const QLineEdit*>(Control(dialogId, controlId));
  return edit != nullptr ? ToU16(edit->text()) : std::u16string();
}

void CPreferencedlg::SetText(int dialogId, int controlId, const std::u16string& text) {
  OptionPage(dialogId);
  if (auto* edit = qobject_cast<QLineEdit*>(Control(dialogId, controlId))) {
    edit->setText(ToQString(text));
    edit->setCursorPosition(0);
  }
}

void CPreferencedlg::SetEnabled(int dialogId, int controlId, bool enabled) {
  OptionPage(dialogId);
  if (QWidget* control = Control(dialogId, controlId)) control->setEnabled(enabled);
}

}  // namespace cadmira::pages
