#include "app/CadmiraDlg.h"

#include <array>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QUrl>
#include <QWindow>

#include "app/AboutDlg.h"
#include "app/InterfaceChange.h"
#include "app/ScreenFit.h"
#include "app/VersionText.h"
#include "framework/FocusChain.h"
#include "framework/Host.h"
#include "framework/ProgramIcon.h"
#include "framework/Screen.h"
#include "framework/StoredSettings.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "localization/LanguageFile.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "resources/ReportStrings.h"
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

CCadmiraDlg::CCadmiraDlg(QString startFile, StartFileRead read, QWidget* parent)
    : Dialog(kDialogId, parent), m_strStartFile(std::move(startFile)), m_startFileRead(read) {
  SetKeyPassThrough(true);
  m_fileCommands.SetUnsavedChanges(&m_unsaved);
  connect(this, &CCadmiraDlg::FilesDropped, this,
          [this](const QStringList& paths) { m_fileCommands.OpenDroppedFiles(paths); });
  connect(this, &CCadmiraDlg::StartFileNamed, this,
          [this](const QString& path) { m_fileCommands.OpenStartFile(path, m_startFileRead); });
}

CCadmiraDlg::~CCadmiraDlg() = default;

// Searched below the window: on a small screen it sits in a scroll area.
framework::TabControl* CCadmiraDlg::TabControl() const { return findChild<framework::TabControl*>(); }

QPushButton* CCadmiraDlg::Button(int id) const { return item<QPushButton>(id); }

void CCadmiraDlg::OnInitDialog() {
  m_dScale = framework::ScreenScale();
  setWindowIcon(framework::ProgramWindowIcon());

  localization::LoadLanguageFile(framework::StoredLanguage());
  localization::RelabelDialog(this, kDialogId);
  SetButtonTexts();
  BuildSystemMenu();
  FitToScreen();
  AddReportCommands();
  CreatePages();

  if (QPushButton* save = Button(kSaveButton)) save->setEnabled(false);
  if (QLineEdit* version = m_preferencesPage.VersionEdit()) {
    version->setText(VersionBoxText(QString::fromLatin1(resources::kFileVersion)));
  }

  m_document.m_nProduct = framework::StoredProduct();
  setWindowTitle(LoadUiString(framework::StoredProduct() == resources::Product::Reader
                                  ? resources::kReaderWindowTitle
                                  : resources::kOrvantaWindowTitle));
  AddShortcuts();
  m_unsaved.TakeBaseline();
  FollowPageEdits();

  if (!m_strStartFile.isEmpty()) emit StartFileNamed(m_strStartFile);
}

void CCadmiraDlg::SetButtonTexts() {
  const std::pair<int, int> texts[] = {{kImportButton, 101},    {kExportButton, 102}, {kSaveButton, 103},
                                       {kInterfaceButton, 106}, {kCancelButton, 104}, {kHelpButton, 105}};
  for (const auto& [id, stringId] : texts) {
    if (QPushButton* button = Button(id)) button->setText(LoadUiString(stringId));
  }
  setWindowTitle(LoadUiString(resources::kProgramTitle));
  if (QPushButton* cancel = Button(kCancelButton)) connect(cancel, &QPushButton::clicked, this, &CCadmiraDlg::reject);
  if (QPushButton* help = Button(kHelpButton)) connect(help, &QPushButton::clicked, this, &CCadmiraDlg::OnHelp);
  if (QPushButton* change = Button(kInterfaceButton)) {
    connect(change, &QPushButton::clicked, this, [this] {
      InterfaceChange(this,
                      [this] { return m_unsaved.MayLoseChanges([this] { return m_fileCommands.SaveChanges(); }); });
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
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(button->text().remove(QLatin1Char('&')), key.toString(QKeySequence::NativeText)));
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

void CCadmiraDlg::FitToScreen() {
  framework::TabControl* tabs = TabControl();
  if (tabs == nullptr) return;
  const QList<QPushButton*> buttons = findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
  int buttonsTop = height();
  for (const QPushButton* button : buttons) buttonsTop = qMin(buttonsTop, button->y());
  // The title bar and frame the window manager adds; known once the window has been shown, until
  // then those of the style.
  QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  if (frame.isNull()) {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    frame = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border, border);
  }
  const QRect area = framework::AvailableScreenArea();
  const QSize room = area.size().shrunkBy(frame);
  const std::optional<ScreenFit> fit = FitIntoArea(size(), tabs->geometry(), buttonsTop, room,
                                                   style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
  if (!fit) return;
  m_scrollArea = new QScrollArea(this);
  m_scrollArea->setFrameShape(QFrame::NoFrame);
  // The pages' controls take the Tab stops, not the area.
  m_scrollArea->setFocusPolicy(Qt::NoFocus);
  auto* content = new QWidget;
  content->setFixedSize(fit->content);
  tabs->setParent(content);
  m_scrollArea->setWidget(content);
  m_scrollArea->setGeometry(fit->scrollArea);
  m_scrollArea->lower();
  tabs->show();
  for (QPushButton* button : buttons) button->move(button->pos() + QPoint(fit->buttonsOffset, fit->buttonsShift));
  setFixedSize(fit->client);
  const QSize outer = fit->client.grownBy(frame);
  move(area.topLeft() + QPoint((area.width() - outer.width()) / 2, (area.height() - outer.height()) / 2));
  // A control that takes the focus is scrolled into view.
  connect(qApp, &QApplication::focusChanged, m_scrollArea, [this, content](QWidget*, QWidget* now) {
    if (now != nullptr && content->isAncestorOf(now)) m_scrollArea->ensureWidgetVisible(now);
  });
}

void CCadmiraDlg::AddReportCommands() {
  m_systemMenu->addSeparator();
  const std::pair<int, QKeySequence> texts[] = {{resources::kCompareCommand, QKeySequence(Qt::CTRL | Qt::Key_D)},
                                                {resources::kSaveReportCommand, QKeySequence(Qt::CTRL | Qt::Key_P)}};
  const std::array<void (CReportCommands::*)(), 2> commands = {&CReportCommands::CompareWithFile,
                                                               &CReportCommands::SaveReport};
  for (std::size_t i = 0; i < commands.size(); ++i) {
    auto* action = new QAction(LoadUiString(texts[i].first), this);
    action->setShortcut(texts[i].second);
    connect(action, &QAction::triggered, this, [this, command = commands[i]] { (m_reportCommands.*command)(); });
    addAction(action);
    m_systemMenu->addAction(action);
  }
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
  // The Ribbon Set tab hands the focus straight to the tree: the tree tells which page it is on.
  if (QWidget* tree = m_ribbonPage.RibbonTree()) tree->setAccessibleDescription(tabs->ItemText(kRibbonTab));
  OrderFocusChain();
  for (framework::PageDialog* page : tabPages) {
    connect(page, &framework::PageDialog::FocusChainChanged, this, &CCadmiraDlg::OrderFocusChain);
  }
  ShowPage(kPreferencesTab);
  tabs->SetCurFocus(kPreferencesTab);
  connect(tabs, &framework::TabControl::SelectionChanged, this, &CCadmiraDlg::OnTabSelectionChanged);
  connect(tabs, &framework::TabControl::Clicked, this, &CCadmiraDlg::OnTabClicked);
}

void CCadmiraDlg::OrderFocusChain() {
  // Tab goes from the tab strip through the shown page's controls to the buttons, and from the
  // last button back to the tab strip; Tab passes over the hidden pages.
  framework::TabControl* tabs = TabControl();
  std::vector<QWidget*> chain{tabs != nullptr ? tabs->TabBar() : nullptr};
  for (const framework::PageDialog* page :
       {static_cast<framework::PageDialog*>(&m_preferencesPage), static_cast<framework::PageDialog*>(&m_ribbonPage),
        static_cast<framework::PageDialog*>(&m_pluginsPage)}) {
    const std::vector<QWidget*> controls = page->FocusChain();
    chain.insert(chain.end(), controls.begin(), controls.end());
  }
  for (const int id : {kImportButton, kExportButton, kSaveButton, kInterfaceButton, kCancelButton, kHelpButton}) {
    chain.push_back(Button(id));
  }
  framework::ChainFocus(chain);
}

void CCadmiraDlg::ShowPage(int index) {
  framework::PageDialog* tabPages[] = {&m_preferencesPage, &m_ribbonPage, &m_pluginsPage};
  // A page that hides with the focus would pass it on to the next control shown, a button.
  const QWidget* focus = QApplication::focusWidget();
  for (int tab = kPreferencesTab; tab <= kPluginsTab; ++tab) {
    if (tab == index || focus == nullptr || !tabPages[tab]->isAncestorOf(focus)) continue;
    if (framework::TabControl* tabs = TabControl()) tabs->TabBar()->setFocus(Qt::TabFocusReason);
  }
  for (int tab = kPreferencesTab; tab <= kPluginsTab; ++tab) tabPages[tab]->setVisible(tab == index);
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
  framework::CurrentHost().MessageBox(this, LoadUiString(resources::kHelpText), LoadUiString(resources::kNotice),
                                      framework::MessageIcon::Information, framework::MessageButtons::Ok);
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
