#include "app/CadmiraDlg.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

#include "app/AboutDlg.h"
#include "app/InterfaceChange.h"
#include "app/VersionText.h"
#include "framework/Host.h"
#include "framework/ProgramIcon.h"
#include "framework/Screen.h"
#include "framework/StoredSettings.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "localization/LanguageFile.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "resources/ResourceIds.h"
#include "resources/Version.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

constexpr int kPreferencesTab = 0;
constexpr int kRibbonTab = 1;
constexpr int kPluginsTab = 2;

}  // namespace

QStringList DroppedLocalFiles(const QList<QUrl>& urls) {
  QStringList paths;
  for (const QUrl& url : urls) {
    if (url.isLocalFile()) paths << url.toLocalFile();
  }
  return paths;
}

CCadmiraDlg::CCadmiraDlg(QString startFile, QWidget* parent)
    : Dialog(kDialogId, parent), m_strStartFile(std::move(startFile)) {
  SetKeyPassThrough(true);
  m_fileCommands.SetUnsavedChanges(&m_unsaved);
  connect(this, &CCadmiraDlg::FilesDropped, this, [this](const QStringList& paths) { m_fileCommands.OpenDroppedFiles(paths); });
  connect(this, &CCadmiraDlg::StartFileNamed, this, [this](const QString& path) { m_fileCommands.OpenStartFile(path); });
}

CCadmiraDlg::~CCadmiraDlg() = default;

framework::TabControl* CCadmiraDlg::TabControl() const { return item<framework::TabControl>(kTabControl); }

QPushButton* CCadmiraDlg::Button(int id) const { return item<QPushButton>(id); }

void CCadmiraDlg::OnInitDialog() {
  m_dScale = framework::ScreenScale();
  setWindowIcon(framework::ProgramWindowIcon());

  localization::LoadLanguageFile(framework::StoredLanguage());
  localization::RelabelDialog(this, kDialogId);
  SetButtonTexts();
  BuildSystemMenu();
  CreatePages();

  if (QPushButton* save = Button(kSaveButton)) save->setEnabled(false);
  if (QLineEdit* version = m_preferencesPage.VersionEdit()) {
    version->setText(VersionBoxText(QString::fromLatin1(resources::kFileVersion)));
  }

  m_document.m_nProduct = resources::ProductNumber(framework::StoredProduct());
  setWindowTitle(LoadUiString(framework::StoredProduct() == resources::Product::Reader ? resources::kReaderWindowTitle
                                                                                        : resources::kOrvantaWindowTitle));
  AddShortcuts();
  m_unsaved.TakeBaseline();
  FollowPageEdits();

  if (!m_strStartFile.isEmpty()) emit StartFileNamed(m_strStartFile);
}

void CCadmiraDlg::SetButtonTexts() {
  const std::pair<int, int> texts[] = {{kImportButton, 101}, {kExportButton, 102},    {kSaveButton, 103},
                                       {kInterfaceButton, 106}, {kCancelButton, 104}, {kHelpButton, 105}};
  for (const auto& [id, stringId] : texts) {
    if (QPushButton* button = Button(id)) button->setText(LoadUiString(stringId));
  }
  setWindowTitle(LoadUiString(resources::kProgramTitle));
  if (QPushButton* cancel = Button(kCancelButton)) connect(cancel, &QPushButton::clicked, this, &CCadmiraDlg::reject);
  if (QPushButton* help = Button(kHelpButton)) connect(help, &QPushButton::clicked, this, &CCadmiraDlg::OnHelp);
  if (QPushButton* change = Button(kInterfaceButton)) {
    connect(change, &QPushButton::clicked, this, [this] {
      InterfaceChange(this, [this] { return m_unsaved.MayLoseChanges([this] { return m_fileCommands.SaveChanges(); }); });
    });
  }
  if (QPushButton* import = Button(kImportButton)) {
    connect(import, &QPushButton::clicked, this, [this] { m_fileCommands.ImportCommand(); });
  }
  if (QPushButton* exportButton = Button(kExportButton)) {
    connect(exportButton, &QPushButton::clicked, this, [this] { m_fileCommands.ExportCommand(); });
  }
  if (QPushButton* save = Button(kSaveButton)) {
    connect(save, &QPushButton::clicked, this, [this] { m_fileCommands.SaveCommand(); });
  }
}

// The keys every editor has, shown in the buttons' tooltips; a screen reader reads them as the
// buttons' shortcuts. A disabled button ignores its key.
void CCadmiraDlg::AddShortcuts() {
  const std::pair<int, QKeySequence> keys[] = {{kImportButton, QKeySequence(Qt::CTRL | Qt::Key_O)},
                                               {kExportButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                                               {kSaveButton, QKeySequence(Qt::CTRL | Qt::Key_S)},
                                               {kHelpButton, QKeySequence(Qt::Key_F1)},
                                               {kCancelButton, QKeySequence(Qt::CTRL | Qt::Key_Q)}};
  for (const auto& [id, key] : keys) {
    QPushButton* button = Button(id);
    if (button == nullptr) continue;
    button->setShortcut(key);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(button->text().remove(QLatin1Char('&')),
                                                     key.toString(QKeySequence::NativeText)));
  }
  auto* find = new QAction(this);
  find->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  connect(find, &QAction::triggered, this, &CCadmiraDlg::FocusFindField);
  addAction(find);
}

void CCadmiraDlg::FocusFindField() {
  const framework::TabControl* tabs = TabControl();
  const int selected = tabs != nullptr ? tabs->CurSel() : -1;
  QLineEdit* find = selected == kRibbonTab    ? m_ribbonPage.FindEdit()
                    : selected == kPluginsTab ? m_pluginsPage.FindEdit()
                                              : m_preferencesPage.FindEdit();
  if (find == nullptr) return;
  find->setFocus(Qt::ShortcutFocusReason);
  find->selectAll();
}

void CCadmiraDlg::FollowPageEdits() {
  const auto follow = [this] { m_unsaved.ShowInTitle(); };
  connect(&m_preferencesPage, &pages::CPreferencedlg::Edited, this, follow);
  connect(&m_ribbonPage, &pages::CRibbondlg::ChecksChanged, this, follow);
  connect(&m_pluginsPage, &pages::CPluginsdlg::ChecksChanged, this, follow);
}

void CCadmiraDlg::reject() {
  if (!m_unsaved.MayLoseChanges([this] { return m_fileCommands.SaveChanges(); })) return;
  Dialog::reject();
}

void CCadmiraDlg::BuildSystemMenu() {
  // The platform's system menu without Restore and Size; Maximize stays, disabled, as the window
  // cannot be maximised.
  m_systemMenu = new QMenu(this);
  m_systemMenu->addAction(LoadUiString(resources::kMoveMenuItem), this, [this] {
    if (QWindow* window = windowHandle()) window->startSystemMove();
  });
  m_systemMenu->addAction(LoadUiString(resources::kMinimizeMenuItem), this, [this] { showMinimized(); });
  m_systemMenu->addAction(LoadUiString(resources::kMaximizeMenuItem))->setEnabled(false);
  m_systemMenu->addSeparator();
  m_systemMenu->addAction(LoadUiString(resources::kCloseMenuItem), this, [this] { reject(); });
  m_systemMenu->addSeparator();
  m_systemMenu->addAction(LoadUiString(resources::kAboutMenuItem), this, &CCadmiraDlg::OnAbout);

  auto* open = new QAction(this);
  open->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
  connect(open, &QAction::triggered, this, [this] { m_systemMenu->popup(mapToGlobal(QPoint(0, 0))); });
  addAction(open);
}

void CCadmiraDlg::CreatePages() {
  framework::TabControl* tabs = TabControl();
  if (tabs == nullptr) return;
  tabs->InsertItem(kPreferencesTab, LoadUiString(resources::kPreferencesTabText));
  tabs->InsertItem(kRibbonTab, LoadUiString(resources::kRibbonTabText));
  tabs->InsertItem(kPluginsTab, LoadUiString(resources::kPluginsTabText));

  framework::PageDialog* tabPages[] = {&m_preferencesPage, &m_ribbonPage, &m_pluginsPage};
  for (framework::PageDialog* page : tabPages) page->Create(tabs);
  const QRect client = tabs->rect();
  for (framework::PageDialog* page : tabPages) {
    int left = (client.width() - page->width()) / 2;
    if (page == &m_preferencesPage) left += 4;
    const int top = static_cast<int>(26 * m_dScale);
    const int right = client.width() - static_cast<int>(4 * m_dScale);
    const int bottom = client.height() - static_cast<int>(4 * m_dScale);
    page->setGeometry(left, top, right - left, bottom - top);
  }
  m_preferencesPage.setAccessibleName(tabs->ItemText(kPreferencesTab));
  m_ribbonPage.setAccessibleName(tabs->ItemText(kRibbonTab));
  m_pluginsPage.setAccessibleName(tabs->ItemText(kPluginsTab));
  PutButtonsLastInTabOrder();
  ShowPage(kPreferencesTab);
  tabs->SetCurFocus(kPreferencesTab);
  connect(tabs, &framework::TabControl::SelectionChanged, this, &CCadmiraDlg::OnTabSelectionChanged);
  connect(tabs, &framework::TabControl::Clicked, this, &CCadmiraDlg::OnTabClicked);
}

void CCadmiraDlg::PutButtonsLastInTabOrder() {
  // The pages are made after the buttons; Tab goes from the tab strip through the shown page's
  // controls to the buttons, and from the last button back to the tab strip.
  // Qt orders only widgets that take the focus: start from the last such one.
  QWidget* previous = previousInFocusChain();
  while (previous != this && (previous->focusPolicy() & Qt::TabFocus) == 0) previous = previous->previousInFocusChain();
  for (const int id : {kImportButton, kExportButton, kSaveButton, kInterfaceButton, kCancelButton, kHelpButton}) {
    QPushButton* button = Button(id);
    if (button == nullptr) continue;
    if (previous != this) setTabOrder(previous, button);
    previous = button;
  }
}

void CCadmiraDlg::ShowPage(int index) {
  m_preferencesPage.setVisible(index == kPreferencesTab);
  m_ribbonPage.setVisible(index == kRibbonTab);
  m_pluginsPage.setVisible(index == kPluginsTab);
}

void CCadmiraDlg::OnTabSelectionChanged() {
  const framework::TabControl* tabs = TabControl();
  const int selected = tabs != nullptr ? tabs->CurSel() : -1;
  if (selected < kPreferencesTab || selected > kPluginsTab) return;
  ShowPage(selected);
  // The ribbon tree takes the keys at once; elsewhere the arrows keep switching tabs.
  if (selected != kRibbonTab) return;
  if (QWidget* tree = m_ribbonPage.RibbonTree()) tree->setFocus(Qt::OtherFocusReason);
}

void CCadmiraDlg::OnTabClicked() {
  const framework::TabControl* tabs = TabControl();
  const int selected = tabs != nullptr ? tabs->CurSel() : -1;
  const CXML_TreeElement* root = m_document.RootElement();
  if (selected == kRibbonTab && m_document.m_bRibbonPending) {
    m_ribbonPage.ApplyRibbonSection(root);
    m_ribbonPage.update();
    m_document.m_bRibbonPending = false;
  } else if (selected == kPluginsTab && m_document.m_bPluginsPending) {
    m_pluginsPage.ApplyPluginSection(root);
    m_pluginsPage.update();
    m_document.m_bPluginsPending = false;
  }
}

void CCadmiraDlg::OnHelp() {
  framework::CurrentHost().MessageBox(this, LoadUiString(resources::kHelpText), LoadUiString(resources::kNotice), framework::MessageIcon::Information,
                                      framework::MessageButtons::Ok);
}

void CCadmiraDlg::OnAbout() {
  CAboutDlg about(this);
  about.DoModal();
}

void CCadmiraDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (m_systemMenu != nullptr) m_systemMenu->popup(event->globalPos());
}

void CCadmiraDlg::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && !DroppedLocalFiles(event->mimeData()->urls()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void CCadmiraDlg::dropEvent(QDropEvent* event) {
  const QStringList paths = DroppedLocalFiles(event->mimeData()->urls());
  if (paths.isEmpty()) return;
  event->acceptProposedAction();
  emit FilesDropped(paths);
}

}  // namespace cadmira::app
