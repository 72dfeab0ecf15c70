#include "app/ScreenFit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>

#include "app/CadmiraDlg.h"
#include "framework/ListBox.h"
#include "framework/Screen.h"
#include "framework/ScriptedHost.h"
#include "framework/TabControl.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

TEST(ScreenFitTest, AWindowTooLargeShrinksToTheAreaAndItsButtonsFollowTheBottomEdge) {
  const QSize client(1105, 951);
  const QRect pages(17, 22, 1071, 860);
  const int buttonsTop = 905;
  EXPECT_FALSE(FitIntoArea(client, pages, buttonsTop, QSize(1105, 951), 17)) << "a window that fits stays";
  EXPECT_FALSE(FitIntoArea(client, pages, buttonsTop, QSize(1920, 1200), 17));

  const std::optional<ScreenFit> tall = FitIntoArea(client, pages, buttonsTop, QSize(1366, 700), 17);
  ASSERT_TRUE(tall);
  EXPECT_EQ(tall->client, QSize(1105, 700));
  EXPECT_EQ(tall->buttonsShift, 700 - 951);
  EXPECT_EQ(tall->buttonsOffset, 0);
  EXPECT_EQ(tall->scrollArea, QRect(0, 0, 1105, 700 - (951 - 905)));
  // The vertical scroll bar takes the margin right of the pages: no horizontal one is needed.
  EXPECT_EQ(tall->content, QSize(1105 - 17, 905));

  const std::optional<ScreenFit> small = FitIntoArea(client, pages, buttonsTop, QSize(1000, 600), 17);
  ASSERT_TRUE(small);
  EXPECT_EQ(small->client, QSize(1000, 600));
  EXPECT_EQ(small->buttonsOffset, (1000 - 1105) / 2);
  EXPECT_EQ(small->content, QSize(1105 - 17, 905));

  const std::optional<ScreenFit> narrow = FitIntoArea(client, pages, buttonsTop, QSize(900, 1200), 17);
  ASSERT_TRUE(narrow);
  EXPECT_EQ(narrow->client, QSize(900, 951));
  EXPECT_EQ(narrow->buttonsShift, 0);
  EXPECT_EQ(narrow->content, QSize(1105, 905)) << "nothing scrolls down";
}

class WindowOnScreenTest : public ::testing::TestWithParam<std::tuple<int, QSize>> {
 protected:
  TempProfile m_profile;
  framework::ScriptedHost m_host;
};

// Every command button lies wholly inside the window, and the window inside the area.
TEST_P(WindowOnScreenTest, TheWholeWindowIsOnTheScreenAndWhatDoesNotFitScrolls) {
  const auto& [dpi, screen] = GetParam();
  const framework::ScopedDpiOverride scale(dpi);
  const framework::ScopedScreenAreaOverride area(QRect(QPoint(0, 0), screen));
  CCadmiraDlg window;
  ASSERT_TRUE(window.Create());
  window.show();
  QApplication::setActiveWindow(&window);
  EXPECT_LE(window.frameGeometry().width(), screen.width());
  EXPECT_LE(window.frameGeometry().height(), screen.height());
  EXPECT_GE(window.frameGeometry().top(), 0);
  EXPECT_GE(window.frameGeometry().left(), 0);
  for (const int id : {1005, 1006, 1007, 1008, 1010, 1011}) {
    QPushButton* button = window.Button(id);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(window.rect().contains(button->geometry())) << id;
  }
  QScrollArea* scroll = window.PagesScrollArea();
  ASSERT_NE(scroll, nullptr);
  EXPECT_TRUE(scroll->isAncestorOf(window.TabControl()));
  for (const int id : {1005, 1006, 1007, 1008, 1010, 1011}) {
    EXPECT_LE(scroll->geometry().bottom(), window.Button(id)->y()) << "the pages never cover a button";
  }
  // A control out of view comes into view when it takes the focus.
  QWidget* description = window.PreferencesPage().item(1025);
  framework::ListBox* list = window.PreferencesPage().SettingList();
  list->setCurrentRow(list->count() - 1);
  QWidget* last = nullptr;
  for (QWidget* control : window.PreferencesPage().findChildren<QWidget*>()) {
    if (control->isVisible() && (control->focusPolicy() & Qt::TabFocus) != 0 && control != description) last = control;
  }
  ASSERT_NE(last, nullptr);
  last->setFocus(Qt::TabFocusReason);
  const QRect shown = QRect(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size());
  EXPECT_TRUE(scroll->viewport()->rect().intersects(shown));
}

INSTANTIATE_TEST_SUITE_P(SmallScreens, WindowOnScreenTest,
                         ::testing::Values(std::tuple{144, QSize(1366, 768)}, std::tuple{192, QSize(1280, 1024)},
                                           std::tuple{96, QSize(800, 600)}, std::tuple{120, QSize(1024, 600)}));

TEST(WindowOnLargeScreenTest, LooksAsItAlwaysDidOnAScreenLargeEnough) {
  TempProfile profile;
  framework::ScriptedHost host;
  for (const int dpi : {96, 144, 192}) {
    const framework::ScopedDpiOverride scale(dpi);
    CCadmiraDlg window;
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.PagesScrollArea(), nullptr) << dpi;
    EXPECT_EQ(window.TabControl()->parentWidget(), &window) << dpi;
  }
}

}  // namespace
}  // namespace cadmira::app
