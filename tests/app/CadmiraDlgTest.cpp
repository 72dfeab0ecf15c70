#include "app/CadmiraDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTemporaryDir>
#include <QUrl>

#include <cstring>

#include "document/Seal.h"
#include "framework/ControlId.h"
#include "framework/ListBox.h"
#include "framework/DialogUnits.h"
#include "framework/ProfileStore.h"
#include "framework/Screen.h"
#include "framework/ScriptedHost.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "localization/LanguageFile.h"
#include "resources/DialogTemplate.h"
#include "tests/app/TestFiles.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

const QString kHelpText = QStringLiteral(
    "1. Confirm that the version number of Zandor OrvantaPDF or Zandor Reader in the 'Preferences' Tab matches "
    "with the version number of the software. \r\n2. XML file has higher priority than the GPO template. If the "
    "XML file and the GPO template have the same settings, the XML file will override the GPO template.");

class CadmiraDlgTest : public ::testing::Test {
 protected:
  void TearDown() override { localization::LoadLanguageFile(49001); }

  std::unique_ptr<CCadmiraDlg> OpenWindow(QString startFile = {}) {
    auto window = std::make_unique<CCadmiraDlg>(std::move(startFile));
    EXPECT_TRUE(window->Create());
    // The modal run shows the window once it is complete.
    EXPECT_FALSE(window->isVisible());
    window->show();
    return window;
  }
  static void ClickTab(CCadmiraDlg& window, int index) {
    QTabBar* bar = window.TabControl()->TabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
  }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
};

TEST_F(CadmiraDlgTest, TheTitleNamesTheStoredProduct) {
  EXPECT_EQ(OpenWindow()->windowTitle(), QStringLiteral("Cadmira-Zandor OrvantaPDF"));
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1);
  auto reader = OpenWindow();
  EXPECT_EQ(reader->windowTitle(), QStringLiteral("Cadmira-Zandor Reader"));
  EXPECT_EQ(reader->Document().m_nProduct, resources::Product::Reader);
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 7);
  EXPECT_EQ(OpenWindow()->windowTitle(), QStringLiteral("Cadmira-Zandor OrvantaPDF"));
}

TEST_F(CadmiraDlgTest, ButtonsCarryTheirTextsNoneIsDefaultAndSaveIsDisabled) {
  auto window = OpenWindow();
  const std::pair<int, const char*> buttons[] = {{1005, "Import"},    {1006, "Export"}, {1007, "Save"},
                                                 {1008, "Interface"}, {1010, "Cancel"}, {1011, "Help"}};
  for (const auto& [id, text] : buttons) {
    QPushButton* button = window->Button(id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_EQ(button->text(), QString::fromLatin1(text));
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
    EXPECT_EQ(button->isEnabled(), id != 1007) << id;
  }
}

TEST_F(CadmiraDlgTest, TheVersionBoxStartsWithTheProgramsVersion) {
  auto window = OpenWindow();
  ASSERT_NE(window->PreferencesPage().VersionEdit(), nullptr);
  EXPECT_EQ(window->PreferencesPage().VersionEdit()->text(), QStringLiteral("9.0.0"));
}

TEST_F(CadmiraDlgTest, TheSystemMenuHasThePlatformsItemsWithoutRestoreAndSize) {
  auto window = OpenWindow();
  ASSERT_NE(window->SystemMenu(), nullptr);
  QStringList items;
  QList<bool> enabled;
  for (const QAction* action : window->SystemMenu()->actions()) {
    items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    enabled << action->isEnabled();
  }
  EXPECT_EQ(items, (QStringList{QStringLiteral("&Move(M)"), QStringLiteral("Mi&nimize(N)"),
                                QStringLiteral("Ma&ximize(X)"), QStringLiteral("-"), QStringLiteral("&Close(C)"),
                                QStringLiteral("-"), QStringLiteral("&About Cadmira(A)"), QStringLiteral("-"),
                                QStringLiteral("Compare with File\u2026"), QStringLiteral("Save Report\u2026")}));
  EXPECT_FALSE(enabled[2]);
}

TEST_F(CadmiraDlgTest, ARightClickOnAPageOffersTheSystemMenu) {
  auto window = OpenWindow();
  window->show();
  for (QWidget* page :
       {static_cast<QWidget*>(&window->PreferencesPage()), static_cast<QWidget*>(window->TabControl())}) {
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(3, 3), page->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(page, &rightClick);
    EXPECT_TRUE(window->SystemMenu()->isVisible());
    window->SystemMenu()->hide();
  }
}

TEST_F(CadmiraDlgTest, AboutRunsDialog147Modally) {
  auto window = OpenWindow();
  QString line;
  m_host.AnswerModal([&](framework::Dialog& about) {
    if (auto* label = about.item<QLabel>(1001)) line = label->text();
    return framework::kIdOk;
  });
  constexpr int kAboutItem = 6;
  window->SystemMenu()->actions()[kAboutItem]->trigger();
  ASSERT_EQ(m_host.Calls().size(), 1u);
  EXPECT_EQ(m_host.Calls()[0].dialogId, 147);
  EXPECT_EQ(line, QStringLiteral("Cadmira 9.0.0.929"));
}

TEST_F(CadmiraDlgTest, HelpShowsItsNoticeExactly) {
  auto window = OpenWindow();
  m_host.ExpectMessageBox(kHelpText, QStringLiteral("Notice"), framework::MessageIcon::Information,
                          framework::MessageButtons::Ok, framework::MessageAnswer::Ok);
  window->Button(CCadmiraDlg::kHelpButton)->click();
  EXPECT_EQ(m_host.Calls().size(), 1u);
}

TEST_F(CadmiraDlgTest, CancelAndCloseEndTheWindowAskingNothing) {
  auto window = OpenWindow();
  window->Document().m_strFilePath = QStringLiteral("/tmp/changed.xml");
  window->Button(CCadmiraDlg::kCancelButton)->click();
  EXPECT_EQ(window->result(), framework::kIdCancel);
  EXPECT_FALSE(window->isVisible());
  auto other = OpenWindow();
  other->SystemMenu()->actions()[4]->trigger();
  EXPECT_EQ(other->result(), framework::kIdCancel);
  EXPECT_TRUE(m_host.Calls().empty());
}

TEST_F(CadmiraDlgTest, EnterAndEscapeNeverCloseTheWindow) {
  auto window = OpenWindow();
  QLineEdit* version = window->PreferencesPage().VersionEdit();
  version->setFocus();
  for (QWidget* target : {static_cast<QWidget*>(version), static_cast<QWidget*>(window.get()),
                          static_cast<QWidget*>(window->Button(CCadmiraDlg::kImportButton))}) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(target, key);
  }
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->result(), 0);
  EXPECT_TRUE(m_host.Calls().empty());
}

TEST_F(CadmiraDlgTest, TabsShowTheirPages) {
  auto window = OpenWindow();
  framework::TabControl* tabs = window->TabControl();
  ASSERT_EQ(tabs->ItemCount(), 3);
  EXPECT_EQ(tabs->ItemText(0), QStringLiteral("Preferences"));
  EXPECT_EQ(tabs->ItemText(1), QStringLiteral("Ribbon Set"));
  EXPECT_EQ(tabs->ItemText(2), QStringLiteral("Plugins"));
  auto visible = [&] {
    return std::vector<bool>{window->PreferencesPage().isVisible(), window->RibbonPage().isVisible(),
                             window->PluginsPage().isVisible()};
  };
  EXPECT_EQ(visible(), (std::vector<bool>{true, false, false}));
  ClickTab(*window, 1);
  EXPECT_EQ(visible(), (std::vector<bool>{false, true, false}));
  ClickTab(*window, 2);
  EXPECT_EQ(visible(), (std::vector<bool>{false, false, true}));
  ClickTab(*window, 0);
  EXPECT_EQ(visible(), (std::vector<bool>{true, false, false}));
  const std::pair<const QWidget*, const char*> pages[] = {{&window->PreferencesPage(), "Preferences"},
                                                          {&window->RibbonPage(), "Ribbon Set"},
                                                          {&window->PluginsPage(), "Plugins"}};
  for (const auto& [page, name] : pages) {
    EXPECT_EQ(page->parentWidget(), tabs);
    EXPECT_EQ(page->accessibleName(), QString::fromLatin1(name));
  }
}

// Where the keyboard focus is: the tab strip, a page's control or a command button.
QString FocusName(CCadmiraDlg& window) {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return QStringLiteral("none");
  if (focus == window.TabControl()->TabBar()) return QStringLiteral("tabs");
  for (const QWidget* page :
       {static_cast<const QWidget*>(&window.PreferencesPage()), static_cast<const QWidget*>(&window.RibbonPage()),
        static_cast<const QWidget*>(&window.PluginsPage())}) {
    if (page->isAncestorOf(focus)) return QStringLiteral("page ") + page->accessibleName();
  }
  const std::optional<int> id = framework::ControlId(focus);
  return id ? QString::number(*id) : focus->metaObject()->className();
}

TEST_F(CadmiraDlgTest, TabGoesFromTheTabsThroughTheShownPageToTheButtonsAndBack) {
  auto window = OpenWindow();
  QApplication::setActiveWindow(window.get());
  for (const int tab : {0, 2}) {
    window->TabControl()->SetCurFocus(tab);
    window->TabControl()->TabBar()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(FocusName(*window), QStringLiteral("tabs"));
    QStringList order;
    for (int step = 0; step < 40 && (order.isEmpty() || order.last() != QStringLiteral("tabs")); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order << FocusName(*window);
    }
    order.removeDuplicates();
    const QString page = QStringLiteral("page ") + window->TabControl()->ItemText(tab);
    // Save is disabled until a file is loaded.
    EXPECT_EQ(order, (QStringList{page, QStringLiteral("1005"), QStringLiteral("1006"), QStringLiteral("1008"),
                                  QStringLiteral("1010"), QStringLiteral("1011"), QStringLiteral("tabs")}))
        << order.join(u',').toStdString();
  }
}

// The focused control as its place in the Tab order: the tab strip, a control by id, or a control
// of an option page.
QString StopName(CCadmiraDlg& window) {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == nullptr) return QStringLiteral("none");
  if (focus == window.TabControl()->TabBar()) return QStringLiteral("tabs");
  const std::optional<int> id = framework::ControlId(focus);
  const QString number = id ? QString::number(*id) : QString::fromLatin1(focus->metaObject()->className());
  const bool inOption = qobject_cast<const pages::COptionPage*>(focus->parentWidget()) != nullptr;
  return inOption ? QStringLiteral("option ") + number : number;
}

QStringList TabWalkFromTheTabs(CCadmiraDlg& window) {
  window.TabControl()->TabBar()->setFocus(Qt::TabFocusReason);
  QStringList order;
  for (int step = 0; step < 60 && (order.isEmpty() || order.last() != QStringLiteral("tabs")); ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << StopName(window);
  }
  return order;
}

const QStringList kButtonsThenTabs{QStringLiteral("1005"), QStringLiteral("1006"), QStringLiteral("1008"),
                                   QStringLiteral("1010"), QStringLiteral("1011"), QStringLiteral("tabs")};

TEST_F(CadmiraDlgTest, OnEveryRowTabVisitsTheVersionTheFindRowTheListTheRowsOptionsAndTheDescriptionBeforeTheButtons) {
  for (const int product : {1, 0}) {
    framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), product);
    auto window = OpenWindow();
    QApplication::setActiveWindow(window.get());
    framework::ListBox* list = window->PreferencesPage().SettingList();
    ASSERT_GT(list->count(), 20);
    for (int row = 0; row < list->count(); ++row) {
      list->setCurrentRow(row);
      QStringList options;
      for (const QWidget* page : window->PreferencesPage().findChildren<pages::COptionPage*>()) {
        if (!page->isVisible()) continue;
        for (const QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
          const std::optional<int> id = framework::ControlId(control);
          if (id && control->isVisible() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus) != 0) {
            options << QStringLiteral("option ") + QString::number(*id);
          }
        }
      }
      ASSERT_FALSE(options.isEmpty()) << list->item(row)->text().toStdString();
      const QStringList expected =
          QStringList{QStringLiteral("1075"), QStringLiteral("1102"), QStringLiteral("1103"), QStringLiteral("1020")} +
          options + QStringList{QStringLiteral("1025")} + kButtonsThenTabs;
      EXPECT_EQ(TabWalkFromTheTabs(*window), expected) << product << " " << list->item(row)->text().toStdString();
    }
  }
}

TEST_F(CadmiraDlgTest, AfterAMouseClickOnATabTheFocusIsOnTheTabsAndTabEntersThePage) {
  auto window = OpenWindow();
  QApplication::setActiveWindow(window.get());
  window->PreferencesPage().VersionEdit()->setFocus(Qt::MouseFocusReason);
  const std::pair<int, QString> clicks[] = {{2, QStringLiteral("1031")},
                                            {0, QStringLiteral("1075")},
                                            {1, QStringLiteral("1022")},
                                            {2, QStringLiteral("1031")}};
  for (const auto& [tab, firstStop] : clicks) {
    ClickTab(*window, tab);
    if (tab == 1) {
      EXPECT_EQ(StopName(*window), firstStop) << "the Ribbon Set tab hands the focus to its tree";
    } else {
      EXPECT_EQ(StopName(*window), QStringLiteral("tabs")) << tab;
    }
    const QStringList walk = TabWalkFromTheTabs(*window);
    ASSERT_FALSE(walk.isEmpty());
    EXPECT_EQ(walk.first(), firstStop) << tab;
    EXPECT_EQ(walk.mid(walk.size() - kButtonsThenTabs.size()), kButtonsThenTabs) << walk.join(u',').toStdString();
    // Leave the focus inside the page for the next click.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
}

TEST_F(CadmiraDlgTest, OnTheRibbonAndPluginsPagesTheFindFieldFollowsTheTreeItNarrows) {
  auto window = OpenWindow();
  QApplication::setActiveWindow(window.get());
  const std::pair<int, QStringList> pages[] = {
      {1, {QStringLiteral("1022"), QStringLiteral("1102"), QStringLiteral("1025")}},
      {2, {QStringLiteral("1031"), QStringLiteral("1102"), QStringLiteral("1005"), QStringLiteral("1024")}}};
  for (const auto& [tab, firstStops] : pages) {
    ClickTab(*window, tab);
    const QStringList walk = TabWalkFromTheTabs(*window);
    EXPECT_EQ(walk.mid(0, firstStops.size()), firstStops) << walk.join(u',').toStdString();
  }
}

TEST_F(CadmiraDlgTest, OnlyTheRibbonTabHandsTheFocusToItsPage) {
  auto window = OpenWindow();
  QApplication::setActiveWindow(window.get());
  QTabBar* bar = window->TabControl()->TabBar();
  bar->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(QApplication::focusWidget(), window->RibbonPage().RibbonTree());
  window->RibbonPage().RibbonTree()->setCurrentItem(window->RibbonPage().RibbonTree()->topLevelItem(0));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  EXPECT_TRUE(window->RibbonPage().RibbonTree()->Checked(window->RibbonPage().RibbonTree()->topLevelItem(0)));
  bar->setFocus(Qt::TabFocusReason);
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(window->TabControl()->CurSel(), 2);
  EXPECT_EQ(QApplication::focusWidget(), bar);
}

class PageLayoutTest : public CadmiraDlgTest, public ::testing::WithParamInterface<int> {};

TEST_P(PageLayoutTest, PagesSitBelowTheTabsAtTheScreensScale) {
  const int dpi = GetParam();
  framework::ScopedDpiOverride scale(dpi);
  auto window = OpenWindow();
  const double s = dpi / 96.0;
  EXPECT_DOUBLE_EQ(window->Scale(), s);
  const framework::TabControl* tabs = window->TabControl();
  const framework::PageDialog* pages[] = {&window->PreferencesPage(), &window->RibbonPage(), &window->PluginsPage()};
  for (const framework::PageDialog* page : pages) {
    const resources::DialogTemplateData* data = resources::DialogTemplate(page->TemplateId());
    ASSERT_NE(data, nullptr);
    const int templateWidth = framework::DialogUnitsToPixelsX(data->width, page->DialogBaseUnits(), dpi);
    const int extra = page == pages[0] ? 4 : 0;
    const QRect placed = page->geometry();
    EXPECT_EQ(placed.left(), (tabs->width() - templateWidth) / 2 + extra) << page->TemplateId();
    EXPECT_EQ(placed.top(), static_cast<int>(26 * s));
    EXPECT_EQ(tabs->width() - (placed.right() + 1), static_cast<int>(4 * s));
    EXPECT_EQ(tabs->height() - (placed.bottom() + 1), static_cast<int>(4 * s));
  }
  if (dpi == 144) {
    EXPECT_EQ(pages[1]->y(), 39);
    EXPECT_EQ(tabs->width() - pages[1]->geometry().right() - 1, 6);
  }
  // The tabs themselves stay above the pages.
  EXPECT_LE(tabs->TabBar()->geometry().bottom(), pages[0]->y());
}

INSTANTIATE_TEST_SUITE_P(Scales, PageLayoutTest, ::testing::Values(96, 144));

XmlTreePtr Parse(const char* text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text), std::strlen(text)));
}

constexpr const char* kLoaded =
    "<Reader><Profstore><Preferences/>"
    "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
    "<Control Name=\"VIEW_SETTING_STATUSBAR\" Visible=\"0\"/></Panel></Category></RibbonUI>"
    "<Plugins><Plugin UnloadPluginArray=\"a.zpi;\"/></Plugins></Profstore></Reader>";

TEST_F(CadmiraDlgTest, ATabClickAppliesAPendingLoadOnce) {
  auto window = OpenWindow();
  pages::CRibbondlg& ribbon = window->RibbonPage();
  const pages::CRibbonTree& ribbonTree = ribbon.Tree();
  QTreeWidgetItem* save = ribbon.Item(ribbonTree.FindPath(
      std::vector<std::u16string>{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"}));
  ASSERT_NE(save, nullptr);
  QTreeWidgetItem* panel = save->parent();
  QTreeWidgetItem* category = panel->parent();
  QTreeWidgetItem* open = panel->child(panel->indexOfChild(save) + 1);
  pages::CPluginsdlg& plugins = window->PluginsPage();
  QTreeWidgetItem* hidden = plugins.InsertPluginItem(u"A", u"A.zpi");
  QTreeWidgetItem* shown = plugins.InsertPluginItem(u"B", u"b.zpi");
  plugins.PluginTree()->SetChecked(shown, true);

  CDocumentState& document = window->Document();
  document.m_xmlManager.SetRoot(Parse(kLoaded).release());
  ASSERT_NE(document.RootElement(), nullptr);
  document.m_bRibbonPending = document.m_bPluginsPending = true;

  ClickTab(*window, 1);
  framework::TreeView* tree = ribbon.RibbonTree();
  EXPECT_TRUE(tree->Checked(save));
  EXPECT_FALSE(tree->Checked(open));
  EXPECT_FALSE(tree->Checked(panel));
  EXPECT_TRUE(panel->isExpanded() && category->isExpanded());
  EXPECT_FALSE(document.m_bRibbonPending);
  EXPECT_TRUE(document.m_bPluginsPending);
  tree->SetChecked(save, false);
  ClickTab(*window, 0);
  ClickTab(*window, 1);
  EXPECT_FALSE(tree->Checked(save));

  ClickTab(*window, 2);
  EXPECT_TRUE(plugins.PluginTree()->Checked(hidden));
  EXPECT_FALSE(plugins.PluginTree()->Checked(shown));
  EXPECT_FALSE(document.m_bPluginsPending);
}

TEST_F(CadmiraDlgTest, WithoutALoadedTreeATabClickChangesNothing) {
  auto window = OpenWindow();
  QTreeWidgetItem* item = window->PluginsPage().InsertPluginItem(u"A", u"a.zpi");
  window->PluginsPage().PluginTree()->SetChecked(item, true);
  window->Document().m_bPluginsPending = true;
  ClickTab(*window, 2);
  EXPECT_TRUE(window->PluginsPage().PluginTree()->Checked(item));
}

TEST_F(CadmiraDlgTest, DroppedFilesAreHandedOnInDropOrder) {
  auto window = OpenWindow();
  QSignalSpy drops(window.get(), &CCadmiraDlg::FilesDropped);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/first.xml")),
                QUrl(QStringLiteral("https://example.invalid/x.xml")),
                QUrl::fromLocalFile(QStringLiteral("/tmp/\u6587\u4ef6 two.xml"))});
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  // The first file does not exist: its load is refused and the second is not tried.
  m_host.ExpectMessageBox(QStringLiteral("The format of xml is error."), QStringLiteral("Notice"),
                          framework::MessageIcon::Information, framework::MessageButtons::Ok,
                          framework::MessageAnswer::Ok);
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &drop);
  ASSERT_EQ(drops.count(), 1);
  EXPECT_EQ(drops[0][0].toStringList(),
            (QStringList{QStringLiteral("/tmp/first.xml"), QStringLiteral("/tmp/\u6587\u4ef6 two.xml")}));

  QMimeData remoteOnly;
  remoteOnly.setUrls({QUrl(QStringLiteral("https://example.invalid/x.xml"))});
  QDragEnterEvent refused(QPoint(50, 50), Qt::CopyAction, &remoteOnly, Qt::LeftButton, Qt::NoModifier);
  refused.setAccepted(false);
  QApplication::sendEvent(window.get(), &refused);
  EXPECT_FALSE(refused.isAccepted());
  QDropEvent ignored(QPointF(50, 50), Qt::CopyAction, &remoteOnly, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &ignored);
  EXPECT_EQ(drops.count(), 1);
  EXPECT_TRUE(window->acceptDrops());
}

TEST_F(CadmiraDlgTest, TheStartFileIsHandedOnOnceWhenThereIsOne) {
  // A file given to --open is read as Import reads it: a sealed one loads.
  const QByteArray plain = "<ZandorOrvantaPDF version=\"3.2\"><Profstore><Preferences/></Profstore></ZandorOrvantaPDF>";
  QByteArray sealed = plain;
  document::SealBuffer(reinterpret_cast<unsigned char*>(sealed.data()), static_cast<std::size_t>(sealed.size()));
  QTemporaryDir folder;
  const QString path = WriteFileIn(folder, QStringLiteral("sealed.xml"), sealed);
  m_host.ExpectMessageBox(QStringLiteral("Import Succeed"), QStringLiteral("Notice"),
                          framework::MessageIcon::Information, framework::MessageButtons::Ok,
                          framework::MessageAnswer::Ok);
  CCadmiraDlg opened(path, StartFileRead::AsImport);
  ASSERT_TRUE(opened.Create());
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_EQ(opened.Document().m_strFilePath, path);

  CCadmiraDlg named(QStringLiteral("/tmp/start.xml"));
  QSignalSpy starts(&named, &CCadmiraDlg::StartFileNamed);
  ASSERT_TRUE(named.Create());
  ASSERT_EQ(starts.count(), 1);
  EXPECT_EQ(starts[0][0].toString(), QStringLiteral("/tmp/start.xml"));
  CCadmiraDlg unnamed;
  QSignalSpy none(&unnamed, &CCadmiraDlg::StartFileNamed);
  ASSERT_TRUE(unnamed.Create());
  EXPECT_EQ(none.count(), 0);
}

TEST_F(CadmiraDlgTest, TheStoredLanguageRelabelsTheWindowBeforeItsTextsAreSet) {
  framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 49007);
  auto window = OpenWindow();
  const std::optional<std::u16string> title = localization::LanguageString(248);
  ASSERT_TRUE(title.has_value());
  EXPECT_EQ(window->windowTitle(), QString::fromStdU16String(*title));
  EXPECT_EQ(window->TabControl()->ItemText(0),
            QString::fromStdU16String(localization::LanguageString(122).value_or(u"")));
  EXPECT_NE(window->TabControl()->ItemText(0), QStringLiteral("Preferences"));
  EXPECT_EQ(window->Button(CCadmiraDlg::kHelpButton)->text(),
            QString::fromStdU16String(localization::LanguageString(105).value_or(u"")));
}

}  // namespace
}  // namespace cadmira::app
