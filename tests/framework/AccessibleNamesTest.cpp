#include "framework/AccessibleNames.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "framework/ControlId.h"
#include "framework/PageDialog.h"

namespace cadmira::framework {
namespace {

template <class Widget, class... Arguments>
Widget* Control(QWidget& window, int id, Arguments&&... arguments) {
  auto* widget = new Widget(std::forward<Arguments>(arguments)..., &window);
  SetControlId(widget, id);
  return widget;
}

TEST(AccessibleNamesTest, EditsListsCombosAndTreesTakeTheStaticBeforeThemOnce) {
  QWidget window;
  auto* unlabelled = Control<QLineEdit>(window, 1000);
  auto* name = Control<QLabel>(window, -1, QStringLiteral("&Name:"));
  auto* edit = Control<QLineEdit>(window, 1001);
  auto* button = Control<QPushButton>(window, 1002, QStringLiteral("&Browse"));
  auto* list = Control<QListWidget>(window, 1003);
  auto* box = Control<QGroupBox>(window, 1004, QStringLiteral("Fish && Chips"));
  auto* tree = Control<QTreeWidget>(window, 1005);
  auto* combo = Control<QComboBox>(window, 1006);
  auto* kind = Control<QLabel>(window, -1, QStringLiteral("Kind:"));
  auto* named = Control<QPlainTextEdit>(window, 1007);
  named->setAccessibleName(QStringLiteral("Mine"));
  auto* icon = Control<QLabel>(window, -1);
  auto* afterIcon = Control<QPlainTextEdit>(window, 1008);
  auto* innerPart = new QLineEdit(&window);

  NameControlsAfterTheirLabels(&window);

  EXPECT_TRUE(unlabelled->accessibleName().isEmpty());
  EXPECT_EQ(edit->accessibleName(), QStringLiteral("Name:"));
  EXPECT_EQ(name->buddy(), edit);
  EXPECT_TRUE(button->accessibleName().isEmpty()) << "a button speaks its own text";
  EXPECT_TRUE(list->accessibleName().isEmpty()) << "the label named the edit before it";
  EXPECT_EQ(tree->accessibleName(), QStringLiteral("Fish & Chips"));
  EXPECT_TRUE(combo->accessibleName().isEmpty()) << "the group box named the tree before it";
  EXPECT_EQ(named->accessibleName(), QStringLiteral("Mine"));
  EXPECT_EQ(afterIcon->accessibleName(), QStringLiteral("Kind:")) << "an icon has no text to give";
  EXPECT_EQ(kind->buddy(), afterIcon);
  EXPECT_TRUE(innerPart->accessibleName().isEmpty()) << "Qt's own widgets are not the template's";
  EXPECT_EQ(box->title(), QStringLiteral("Fish && Chips"));
  (void)icon;
}

TEST(AccessibleNamesTest, TheFieldOfAnEditableComboBoxIsNamedAsTheComboBox) {
  QWidget window;
  Control<QLabel>(window, -1, QStringLiteral("Status Bar"));
  auto* combo = Control<QComboBox>(window, 1000);
  combo->setEditable(true);
  NameControlsAfterTheirLabels(&window);
  EXPECT_EQ(combo->accessibleName(), QStringLiteral("Status Bar"));
  EXPECT_EQ(combo->lineEdit()->accessibleName(), QStringLiteral("Status Bar"));
}

TEST(AccessibleNamesTest, MnemonicsAreNotSpoken) {
  const std::pair<const char*, const char*> cases[] = {{"&Name:", "Name:"}, {"Fish && Chips", "Fish & Chips"},
                                                       {"End&", "End"},     {"&&&A", "&A"},
                                                       {"Plain", "Plain"},  {"版本(&V)", "版本(V)"}};
  for (const auto& [text, spoken] : cases) {
    EXPECT_EQ(WithoutMnemonics(QString::fromUtf8(text)), QString::fromUtf8(spoken)) << text;
  }
}

TEST(AccessibleNamesTest, TemplateWindowsNameTheirControlsOnceInitialised) {
  QWidget owner;
  PageDialog plugins(150);
  ASSERT_TRUE(plugins.Create(&owner));
  EXPECT_EQ(plugins.item(1031)->accessibleName(), QStringLiteral("Plugin List:"));
  EXPECT_EQ(plugins.item(1024)->accessibleName(), QStringLiteral("Plugin Path:"));
  EXPECT_EQ(plugins.item(1025)->accessibleName(), QStringLiteral("Description"));
}

}  // namespace
}  // namespace cadmira::framework
