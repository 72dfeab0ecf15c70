#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include <map>

#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "framework/MultilineCheckBox.h"
#include "framework/ProgramIcon.h"
#include "framework/RadioButton.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "resources/IconResource.h"

namespace cadmira::framework {
namespace {

TEST(ComboBoxTest, AddingItemsKeepsNoSelectionAndTheFieldText) {
  ComboBox combo(true);
  combo.setEditText(QStringLiteral("Chinese"));
  EXPECT_EQ(combo.AddString(QStringLiteral("English")), 0);
  EXPECT_EQ(combo.AddString(QStringLiteral("Chinese")), 1);
  EXPECT_EQ(combo.CurSel(), -1);
  EXPECT_EQ(combo.currentText(), QStringLiteral("Chinese"));
}

TEST(ComboBoxTest, TypingAnItemsTextSelectsNothing) {
  QWidget window;
  auto* combo = new ComboBox(true, &window);
  auto* other = new QLineEdit(&window);
  combo->AddString(QStringLiteral("English"));
  combo->AddString(QStringLiteral("Chinese"));
  window.show();
  combo->setFocus();
  QTest::keyClicks(combo->lineEdit(), QStringLiteral("English"));
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  other->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(combo->CurSel(), -1);
  EXPECT_EQ(combo->currentText(), QStringLiteral("English"));
}

TEST(ComboBoxTest, TheFieldTakesATextLongerThanQtsDefaultLimit) {
  ComboBox combo(true);
  const QString text(100000, QLatin1Char('v'));
  combo.setEditText(text);
  EXPECT_EQ(combo.currentText().size(), text.size());
}

TEST(ComboBoxTest, SelectingNoneEmptiesTheField) {
  ComboBox combo(true);
  combo.AddString(QStringLiteral("Default"));
  combo.SetCurSel(0);
  EXPECT_EQ(combo.currentText(), QStringLiteral("Default"));
  combo.SetCurSel(-1);
  EXPECT_EQ(combo.CurSel(), -1);
  EXPECT_TRUE(combo.currentText().isEmpty());
  combo.SetCurSel(5);  // out of range selects nothing
  EXPECT_EQ(combo.CurSel(), -1);
}

TEST(ListBoxTest, SortedRowsLandByTextIgnoringCaseAndKeepTheirData) {
  ListBox list(true);
  const std::pair<QString, int> rows[] = {
      {QStringLiteral("Status Bar"), 13}, {QStringLiteral("advertisement"), 1}, {QStringLiteral("Print"), 9},
      {QStringLiteral("About"), 0},       {QStringLiteral("print"), 99},
  };
  for (const auto& [text, key] : rows) list.SetItemData(list.AddString(text), key);
  const QStringList expected = {QStringLiteral("About"), QStringLiteral("advertisement"), QStringLiteral("Print"),
                                QStringLiteral("print"), QStringLiteral("Status Bar")};
  const int expectedData[] = {0, 1, 9, 99, 13};
  ASSERT_EQ(list.count(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list.item(i)->text(), expected[i]);
    EXPECT_EQ(list.ItemData(i), expectedData[i]);
  }
  EXPECT_EQ(list.ItemData(17), 0);
}

TEST(ListBoxTest, UnsortedRowsAppendAndTheExtentSetsTheScrollRange) {
  ListBox list(false);
  list.resize(120, 100);
  list.AddString(QStringLiteral("b"));
  EXPECT_EQ(list.AddString(QStringLiteral("a")), 1);
  list.show();
  list.SetHorizontalExtent(400);
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 400 - list.viewport()->width());
  list.SetHorizontalExtent(10);
  EXPECT_EQ(list.horizontalScrollBar()->maximum(), 0);
}

// Where the rows just fill the list, the extent's scroll bar takes the room that makes the rows
// need a vertical one, while the list's own measure (its first, short row) wants no horizontal
// one: setting the extent on a shown list must settle, whatever its height.
TEST(ListBoxTest, AnExtentSetOnAShownListSettlesWhereTheScrollBarsFightOverTheRoom) {
  for (int height = 40; height <= 220; height += 2) {
    ListBox list(false);
    list.resize(160, height);
    list.AddString(QStringLiteral("a"));
    for (int row = 0; row < 8; ++row) list.AddString(QStringLiteral("row %1 of the list").arg(row));
    list.show();
    QApplication::processEvents();
    list.SetHorizontalExtent(400);
    QApplication::processEvents();
    EXPECT_EQ(list.HorizontalExtent(), 400) << height;
    list.SetHorizontalExtent(10);
    QApplication::processEvents();
  }
}

class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.resize(300, 200);
    top = tree.InsertItem(QStringLiteral("Home"));
    child = tree.InsertItem(QStringLiteral("Save"), top);
    top->setExpanded(true);
    tree.show();
    QApplication::processEvents();
  }
  QPoint BoxOf(QTreeWidgetItem* item) {
    // The check box sits at the left of the item's text cell.
    const QRect cell = tree.visualItemRect(item);
    for (int x = cell.left(); x < cell.right(); ++x) {
      const QPoint point(x, cell.center().y());
      if (tree.HitTest(point).onStateIcon) return point;
    }
    return {};
  }

  TreeView tree{true};
  QTreeWidgetItem* top = nullptr;
  QTreeWidgetItem* child = nullptr;
};

TEST_F(TreeViewTest, NewItemsAreUncheckedCollapsedLastChildren) {
  QTreeWidgetItem* second = tree.InsertItem(QStringLiteral("Open"), top);
  EXPECT_EQ(top->child(1), second);
  EXPECT_EQ(tree.StateImage(second), TreeView::kStateUnchecked);
  EXPECT_FALSE(second->isExpanded());
  tree.SetStateImage(second, TreeView::kStateChecked);
  EXPECT_TRUE(tree.Checked(second));
  TreeView plain(false);
  EXPECT_EQ(plain.StateImage(plain.InsertItem(QStringLiteral("x"))), TreeView::kStateNone);
}

TEST_F(TreeViewTest, AClickOnTheBoxIsReportedBeforeTheTreeTogglesIt) {
  const QPoint box = BoxOf(child);
  ASSERT_FALSE(box.isNull());
  std::vector<bool> stateWhenReported;
  QObject::connect(&tree, &TreeView::Clicked, [&](const QPoint& point) {
    EXPECT_EQ(tree.HitTest(point).item, child);
    stateWhenReported.push_back(tree.Checked(child));
  });
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, box);
  EXPECT_EQ(stateWhenReported, std::vector<bool>{false});
  EXPECT_TRUE(tree.Checked(child));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, box);
  EXPECT_FALSE(tree.Checked(child));
  // Pressed on another item and released on the box: a drag, not a click.
  QTest::mousePress(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(top).center());
  QTest::mouseRelease(tree.viewport(), Qt::LeftButton, {}, box);
  EXPECT_EQ(stateWhenReported.size(), 2u);
  EXPECT_FALSE(tree.Checked(child));
}

TEST_F(TreeViewTest, AClickOnTheTextOrOnNothingTogglesNothing) {
  QSignalSpy clicks(&tree, &TreeView::Clicked);
  const QRect cell = tree.visualItemRect(child);
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(cell.right() - 5, cell.center().y()));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, QPoint(10, 190));
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_FALSE(tree.Checked(child));
  EXPECT_EQ(tree.HitTest(QPoint(10, 190)).item, nullptr);
}

TEST_F(TreeViewTest, SpaceTogglesTheCurrentItemOnly) {
  tree.setCurrentItem(child);
  QTest::keyClick(&tree, Qt::Key_Space);
  EXPECT_TRUE(tree.Checked(child));
  EXPECT_FALSE(tree.Checked(top));
}

TEST_F(TreeViewTest, ScreenReadersSeeCheckableItemsAndTheirState) {
  tree.SetChecked(child, true);
  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&tree);
  ASSERT_NE(view, nullptr);
  std::map<QString, QAccessible::State> cells;
  for (int i = 0; i < view->childCount(); ++i) {
    const QAccessibleInterface* cell = view->child(i);
    if (cell != nullptr && cell->role() == QAccessible::TreeItem) cells[cell->text(QAccessible::Name)] = cell->state();
  }
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_TRUE(cells[QStringLiteral("Home")].checkable);
  EXPECT_FALSE(cells[QStringLiteral("Home")].checked);
  EXPECT_TRUE(cells[QStringLiteral("Save")].checkable);
  EXPECT_TRUE(cells[QStringLiteral("Save")].checked);

  TreeView plain(false);
  plain.InsertItem(QStringLiteral("x"));
  QAccessibleInterface* plainView = QAccessible::queryAccessibleInterface(&plain);
  for (int i = 0; i < plainView->childCount(); ++i) {
    if (plainView->child(i)->role() == QAccessible::TreeItem) {
      EXPECT_FALSE(plainView->child(i)->state().checkable);
    }
  }
}

TEST_F(TreeViewTest, ScreenReadersHearEachItemsCheckStateAsItsDescription) {
  tree.SetCheckStateTexts({{Qt::Unchecked, QStringLiteral("not checked")}, {Qt::Checked, QStringLiteral("checked")}});
  QTreeWidgetItem* later = tree.InsertItem(QStringLiteral("Open"), top);
  QTreeWidgetItem* second = tree.InsertItem(QStringLiteral("View"));
  tree.InsertItem(QStringLiteral("Zoom"), second);
  tree.setFocus();
  tree.setCurrentItem(later);
  QTest::keyClick(&tree, Qt::Key_Space);
  tree.SetChecked(second, true);
  // What the platform's bridge reads, and announces for the focused item when it changes.
  const std::pair<QTreeWidgetItem*, const char*> expected[] = {
      {top, "not checked"}, {child, "not checked"}, {later, "checked"}, {second, "checked"}};
  for (const auto& [item, description] : expected) {
    QAccessibleInterface* cell = tree.AccessibleItem(item);
    ASSERT_NE(cell, nullptr) << item->text(0).toStdString();
    EXPECT_EQ(cell->text(QAccessible::Name), item->text(0));
    EXPECT_EQ(cell->text(QAccessible::Description), QString::fromLatin1(description));
  }
  EXPECT_EQ(tree.AccessibleItem(second->child(0)), nullptr) << "a collapsed branch shows no rows";
}

TEST_F(TreeViewTest, APartlyCheckedItemStillReadsAsUncheckedAndScreenReadersHearItsState) {
  tree.SetCheckStateTexts({{Qt::Unchecked, QStringLiteral("not checked")},
                           {Qt::PartiallyChecked, QStringLiteral("partly checked")},
                           {Qt::Checked, QStringLiteral("checked")}});
  const auto description = [this] { return tree.AccessibleItem(top)->text(QAccessible::Description); };
  tree.SetPartlyChecked(top, true);
  EXPECT_TRUE(tree.PartlyChecked(top));
  EXPECT_FALSE(tree.Checked(top));
  EXPECT_EQ(tree.StateImage(top), TreeView::kStateUnchecked);
  EXPECT_EQ(description(), QStringLiteral("partly checked"));
  tree.SetPartlyChecked(top, false);
  EXPECT_EQ(description(), QStringLiteral("not checked"));
  // A ticked item keeps its tick, and says so.
  tree.SetChecked(top, true);
  tree.SetPartlyChecked(top, true);
  EXPECT_TRUE(tree.Checked(top));
  EXPECT_EQ(description(), QStringLiteral("checked"));
}

TEST_F(TreeViewTest, TheDropHighlightMovesAndGoesWithItsItem) {
  EXPECT_EQ(tree.DropHighlight(), nullptr);
  tree.SetDropHighlight(child);
  EXPECT_EQ(tree.DropHighlight(), child);
  tree.SetDropHighlight(top);
  EXPECT_EQ(tree.DropHighlight(), top);
  EXPECT_FALSE(child->data(0, Qt::BackgroundRole).isValid());
  tree.SetDropHighlight(nullptr);
  EXPECT_EQ(tree.DropHighlight(), nullptr);
  tree.SetDropHighlight(child);
  delete child;
  EXPECT_EQ(tree.DropHighlight(), nullptr);
}

TEST_F(TreeViewTest, TheTickStaysVisibleOnTheHighlightedRow) {
  tree.SetChecked(child, true);
  const QPoint box = BoxOf(child);
  ASSERT_FALSE(box.isNull());
  // The dark pixels of the box: its tick.
  auto tickPixels = [&] {
    const QImage picture = tree.viewport()->grab().toImage();
    const QRect cell = tree.visualItemRect(child);
    int dark = 0;
    for (int x = box.x(); x < box.x() + cell.height() && x < picture.width(); ++x) {
      for (int y = cell.top(); y <= cell.bottom(); ++y) dark += QColor(picture.pixel(x, y)).lightness() < 60 ? 1 : 0;
    }
    return dark;
  };
  EXPECT_GT(tickPixels(), 0);
  tree.setCurrentItem(child);
  tree.SetDropHighlight(child);
  EXPECT_GT(tickPixels(), 0);
}

TEST_F(TreeViewTest, ItemDataIsTheOwnersNumber) {
  tree.SetItemData(child, 0xdeadbeef);
  EXPECT_EQ(tree.ItemData(child), 0xdeadbeefu);
  EXPECT_EQ(tree.ItemData(top), 0u);
  EXPECT_EQ(tree.ItemData(nullptr), 0u);
}

TEST(TabControlTest, AClickIsReportedAfterTheSelectionItMade) {
  TabControl tabs;
  tabs.resize(400, 300);
  for (const char* text : {"Preferences", "Ribbon Set", "Plugins"})
    tabs.InsertItem(tabs.ItemCount(), QString::fromLatin1(text));
  tabs.show();
  EXPECT_EQ(tabs.CurSel(), 0);
  std::vector<int> seenAtClick;
  QSignalSpy changes(&tabs, &TabControl::SelectionChanged);
  QObject::connect(&tabs, &TabControl::Clicked, [&] { seenAtClick.push_back(tabs.CurSel()); });
  QTest::mouseClick(tabs.TabBar(), Qt::LeftButton, {}, tabs.TabBar()->tabRect(2).center());
  EXPECT_EQ(seenAtClick, std::vector<int>{2});
  EXPECT_EQ(changes.count(), 1);
}

TEST(TabControlTest, SelectingFromCodeIsQuietButGivingFocusIsNot) {
  TabControl tabs;
  tabs.InsertItem(0, QStringLiteral("a"));
  tabs.InsertItem(1, QStringLiteral("b"));
  QSignalSpy changes(&tabs, &TabControl::SelectionChanged);
  tabs.SetCurSel(1);
  EXPECT_EQ(tabs.CurSel(), 1);
  EXPECT_EQ(changes.count(), 0);
  tabs.SetCurFocus(0);
  EXPECT_EQ(tabs.CurSel(), 0);
  EXPECT_EQ(changes.count(), 1);
  tabs.SetCurFocus(0);  // no change, no notice
  EXPECT_EQ(changes.count(), 1);
  tabs.SetCurSel(7);
  EXPECT_EQ(tabs.CurSel(), 0);
}

TEST(RadioButtonTest, AClickChecksItAndUnchecksItsGroupOnly) {
  QWidget dialog;
  auto* reader = new RadioButton(QStringLiteral("Reader"), 1, &dialog);
  auto* orvanta = new RadioButton(QStringLiteral("Orvanta"), 1, &dialog);
  auto* elsewhere = new RadioButton(QStringLiteral("Other"), 2, &dialog);
  elsewhere->setChecked(true);
  orvanta->setChecked(true);
  reader->click();
  EXPECT_TRUE(reader->isChecked());
  EXPECT_FALSE(orvanta->isChecked());
  EXPECT_TRUE(elsewhere->isChecked());
  reader->click();  // a checked button stays checked
  EXPECT_TRUE(reader->isChecked());
  // From code a button may be unchecked, leaving the group with none.
  reader->setChecked(false);
  EXPECT_FALSE(reader->isChecked());
  EXPECT_FALSE(orvanta->isChecked());
}

TEST(RadioButtonTest, AGroupIsOneTabStopOfRadioButtonsThatTheArrowsWalk) {
  QWidget dialog;
  auto* before = new QLineEdit(&dialog);
  auto* reader = new RadioButton(QStringLiteral("Reader"), 1, &dialog);
  auto* orvanta = new RadioButton(QStringLiteral("Orvanta"), 1, &dialog);
  auto* after = new QLineEdit(&dialog);
  auto* elsewhere = new RadioButton(QStringLiteral("Other"), 2, &dialog);
  for (QWidget* radio : {reader, orvanta, elsewhere}) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(radio);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::RadioButton);
  }
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  orvanta->setChecked(true);
  before->setFocus();
  QTest::keyClick(before, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), orvanta) << "Tab goes to the checked button";
  QTest::keyClick(orvanta, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), after);
  QTest::keyClick(after, Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), orvanta);
  // The arrows move round the group and check the button they reach; the other group stays.
  const std::pair<Qt::Key, RadioButton*> steps[] = {
      {Qt::Key_Right, reader}, {Qt::Key_Down, orvanta}, {Qt::Key_Up, reader}, {Qt::Key_Left, orvanta}};
  for (const auto& [key, reached] : steps) {
    QTest::keyClick(QApplication::focusWidget(), key);
    EXPECT_EQ(QApplication::focusWidget(), reached) << key;
    EXPECT_TRUE(reached->isChecked()) << key;
    EXPECT_NE(reader->isChecked(), orvanta->isChecked()) << key;
  }
  EXPECT_FALSE(elsewhere->isChecked());
  // With none checked the first is the stop.
  orvanta->setChecked(false);
  before->setFocus();
  QTest::keyClick(before, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), reader);
}

}  // namespace
}  // namespace cadmira::framework

namespace cadmira::framework {
namespace {

TEST(MultilineCheckBoxTest, KeepsItsTextAndTakesClicksAnywhere) {
  MultilineCheckBox box(QStringLiteral("Automatically convert Office files to Tessadoc when converting to PDF"));
  box.resize(150, 40);
  box.show();
  EXPECT_EQ(box.text(), QStringLiteral("Automatically convert Office files to Tessadoc when converting to PDF"));
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(140, 35));
  EXPECT_TRUE(box.isChecked());
  QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(box.isChecked());
}

TEST(ProgramIconTest, EveryDrawnSizeIsThere) {
  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes().size(), static_cast<qsizetype>(resources::kIconSizes.size()));
  const std::pair<int, int> drawn[] = {{16, 16}, {48, 48}, {256, 256}, {20, 20}, {512, 256}};
  for (const auto& [asked, side] : drawn) {
    EXPECT_EQ(icon.pixmap(QSize(asked, asked)).size(), QSize(side, side)) << asked;
  }
  EXPECT_EQ(ProgramWindowIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
}

}  // namespace
}  // namespace cadmira::framework
