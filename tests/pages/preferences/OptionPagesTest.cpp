#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "framework/ComboBox.h"
#include "framework/ListBox.h"
#include "framework/MultilineCheckBox.h"
#include "localization/UiString.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "tests/pages/preferences/PageFixture.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

QString TextOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return QString();
}

QStringList Items(const framework::ComboBox* combo) {
  QStringList items;
  for (int index = 0; index < combo->count(); ++index) items << combo->itemText(index);
  return items;
}

TEST_F(PageTest, LabelsComeFromTheStringTable) {
  struct Label {
    int page, control, string;
  };
  const Label labels[] = {
      {151, 1011, 183}, {151, 1054, 184}, {151, 1055, 185}, {151, 1005, 186}, {171, 1056, 209}, {171, 1046, 210},
      {171, 1057, 211}, {172, 1053, 190}, {172, 1047, 191}, {172, 1010, 187}, {172, 1048, 192}, {172, 1049, 193},
      {172, 1052, 200}, {173, 1045, 188}, {173, 1060, 189}, {175, 1064, 196}, {170, 1043, 172}, {170, 1044, 173},
      {170, 1035, 174}, {170, 1041, 177}, {170, 1040, 178}, {170, 1036, 179}, {176, 1065, 198}, {177, 1067, 199},
      {177, 1005, 186}, {178, 1068, 201}, {252, 1046, 270},
  };
  for (const int langid : {kEnglish, kChinese}) {
    CPreferencedlg& preferences = Open(kReader, langid);
    for (const Label& label : labels) {
      EXPECT_EQ(TextOf(preferences.OptionPage(label.page)->item(label.control)), LoadUiString(label.string))
          << label.page << "/" << label.control;
    }
  }
  // Pages without texts of their own keep their template's, or the language file's.
  CPreferencedlg& chinese = Open(kReader, kChinese);
  EXPECT_EQ(TextOf(chinese.OptionPage(238)->item(1046)), QStringLiteral("禁用 Tessadoc 功能"));
  CPreferencedlg& english = Open(kReader);
  EXPECT_EQ(TextOf(english.OptionPage(256)->item(1109)), QStringLiteral("Lock Read Mode in web browsers:"));
  EXPECT_EQ(TextOf(english.OptionPage(261)->item(1116)), QStringLiteral("Server URL:"));
}

TEST_F(PageTest, CombosListTheirItemsInOrderStartingAtDefault) {
  CPreferencedlg& preferences = Open(kOrvanta);
  const QStringList threeWay{"Default", "Disabled", "Enabled"};
  const std::pair<int, int> combos[] = {{170, 1033}, {170, 1034}, {176, 1066}, {256, 1110}, {259, 1115},
                                        {257, 1111}, {258, 1114}, {260, 1032}, {262, 1119}};
  for (const auto& [pageId, controlId] : combos) {
    const auto* combo = preferences.OptionPage(pageId)->item<framework::ComboBox>(controlId);
    ASSERT_NE(combo, nullptr) << pageId;
    EXPECT_EQ(Items(combo), threeWay) << pageId;
    EXPECT_EQ(combo->CurSel(), 0);
    EXPECT_TRUE(combo->isEditable());
  }
  const auto* status = preferences.OptionPage(178)->item<framework::ComboBox>(1069);
  EXPECT_EQ(Items(status), (QStringList{"Default", "Auto-hide status bar", "Show status bar", "Hide status bar"}));
  EXPECT_EQ(status->CurSel(), 0);
}

TEST_F(PageTest, TypingInAComboLeavesNoItemPickedUntilOneIsPicked) {
  CPreferencedlg& preferences = Open(kReader);
  preferences.SettingList()->setFocus();
  auto* combo = preferences.OptionPage(178)->item<framework::ComboBox>(1069);
  preferences.SetComboIndex(178, 1069, 2);
  QTest::keyClicks(combo->lineEdit(), QStringLiteral("Hide status bar"));
  EXPECT_EQ(combo->count(), 4);
  EXPECT_EQ(preferences.ComboIndex(178, 1069), -1);
  QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(combo->count(), 4);
  EXPECT_EQ(preferences.ComboIndex(178, 1069), -1);
  combo->setCurrentIndex(3);  // picked from the list
  EXPECT_EQ(preferences.ComboIndex(178, 1069), 3);
  EXPECT_EQ(combo->currentText(), QStringLiteral("Hide status bar"));
}

TEST_F(PageTest, TheRmsAndTessadocBoxesWrapTheirTexts) {
  CPreferencedlg& preferences = Open(kReader);
  const std::pair<int, int> wrapping[] = {{170, 1035}, {170, 1041}, {170, 1040}, {170, 1036},
                                          {238, 1045}, {238, 1080}, {238, 1096}};
  for (const auto& [pageId, controlId] : wrapping) {
    EXPECT_NE(preferences.OptionPage(pageId)->item<framework::MultilineCheckBox>(controlId), nullptr) << controlId;
  }
  EXPECT_EQ(preferences.OptionPage(238)->item<framework::MultilineCheckBox>(1046), nullptr);
}

TEST_F(PageTest, BrowseReplacesThePathOnlyWhenAFileIsChosen) {
  struct Browse {
    int page, edit;
    const char* filter;
  };
  const Browse buttons[] = {
      {151, 1071, "Image Files (*.jpg;*.bmp;*.png;*.gif;*.jpeg)|*.jpg;*.bmp;*.png;*.gif;*.jpeg|"},
      {177, 1074, "PDF Files (*.PDF)|*.PDF|"},
  };
  CPreferencedlg& preferences = Open(kReader);
  for (const Browse& browse : buttons) {
    COptionPage* option = preferences.OptionPage(browse.page);
    auto* edit = option->item<QLineEdit>(browse.edit);
    auto* button = option->item<QPushButton>(1005);
    edit->setText(QStringLiteral("typed by hand"));
    host->AnswerFileDialog(std::nullopt);
    button->click();
    EXPECT_EQ(edit->text(), QStringLiteral("typed by hand"));
    host->AnswerFileDialog(QStringLiteral("/srv/pictures/logo one.png"));
    button->click();
    EXPECT_EQ(edit->text(), QStringLiteral("/srv/pictures/logo one.png"));
    ASSERT_EQ(host->Calls().size(), 2u);
    const framework::FileDialogRequest& request = host->Calls().back().request;
    EXPECT_EQ(request.mode, framework::FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.filter, QString::fromLatin1(browse.filter));
    EXPECT_TRUE(request.defaultExtension.isEmpty());
    EXPECT_TRUE(request.initialName.isEmpty());
    EXPECT_TRUE(request.readOnlyBoxHidden);
    EXPECT_TRUE(request.overwritePrompt);
    host->Clear();
  }
}

TEST_F(PageTest, DisablingTessadocGreysItsOptionsButKeepsTheirMarks) {
  CPreferencedlg& preferences = Open(kReader);
  COptionPage* tessadoc = preferences.OptionPage(238);
  preferences.SetChecked(238, 1080, true);
  auto* master = tessadoc->item<QCheckBox>(1046);
  SelectKey(preferences, 14);
  ASSERT_TRUE(tessadoc->isVisible());
  QTest::mouseClick(master, Qt::LeftButton, {}, QPoint(4, master->height() / 2));
  ASSERT_TRUE(master->isChecked());
  for (const int id : {1045, 1080, 1096}) EXPECT_FALSE(tessadoc->item(id)->isEnabled()) << id;
  EXPECT_TRUE(preferences.Checked(238, 1080));
  EXPECT_FALSE(preferences.Checked(238, 1045));
  master->setFocus();
  QTest::keyClick(master, Qt::Key_Space);
  ASSERT_FALSE(master->isChecked());
  for (const int id : {1045, 1080, 1096}) EXPECT_TRUE(tessadoc->item(id)->isEnabled()) << id;
  EXPECT_TRUE(preferences.Checked(238, 1080));
}

TEST_F(PageTest, TheRollingTimeTakesDigitsAndDeletingKeysOnly) {
  CPreferencedlg& preferences = Open(kReader);
  SelectKey(preferences, 1);
  auto* edit = preferences.OptionPage(171)->item<QLineEdit>(1072);
  edit->setFocus();
  QTest::keyClicks(edit, QStringLiteral("1a-2 b3"));
  EXPECT_EQ(edit->text(), QStringLiteral("123"));
  QTest::keyClick(edit, Qt::Key_4, Qt::KeypadModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("1234"));
  QTest::keyClick(edit, Qt::Key_Left);  // swallowed: the caret stays at the end
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->text(), QStringLiteral("123"));
  QTest::keyClick(edit, Qt::Key_Home);
  QTest::keyClick(edit, Qt::Key_Delete);
  EXPECT_EQ(edit->text(), QStringLiteral("123"));
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Minus);
  EXPECT_EQ(edit->text(), QStringLiteral("123"));
  // Pasting is not filtered; the check before writing catches it.
  edit->selectAll();
  edit->insert(QStringLiteral("ten"));
  EXPECT_EQ(edit->text(), QStringLiteral("ten"));
  // Tab still leaves the edit.
  preferences.window()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(preferences.window()));
  edit->setFocus();
  ASSERT_TRUE(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_Tab);
  EXPECT_FALSE(edit->hasFocus());
  // Keys for the page's other controls are not filtered.
  auto* check = preferences.OptionPage(171)->item<QCheckBox>(1046);
  check->setFocus();
  QTest::keyClick(check, Qt::Key_Space);
  EXPECT_TRUE(check->isChecked());
}

TEST_F(PageTest, TheProgramNameCheckIsNeverShown) {
  CPreferencedlg& preferences = Open(kReader);
  COptionPage* checkApp = preferences.OptionPage(252);
  framework::ListBox* list = preferences.SettingList();
  for (int index = 0; index < list->count(); ++index) {
    list->setCurrentRow(index);
    EXPECT_FALSE(checkApp->item(1045)->isVisible());
  }
  preferences.SetChecked(252, 1045, true);
  EXPECT_TRUE(preferences.Checked(252, 1045));
  EXPECT_FALSE(checkApp->item(1045)->isVisibleTo(checkApp));
  EXPECT_TRUE(checkApp->item(1046)->isVisibleTo(checkApp));
}

// A window that would close on Enter or Escape if a page let the keys reach it.
class ClosingWindow : public QDialog {
 public:
  int closed = 0;
  void done(int result) override {
    ++closed;
    QDialog::done(result);
  }
};

TEST_F(PageTest, EnterAndEscapeNeverCloseTheWindowFromAnyPage) {
  framework::StoreProduct(kReader);
  ClosingWindow owner;
  CPreferencedlg preferences;
  ASSERT_TRUE(preferences.Create(&owner));
  owner.resize(preferences.size());
  owner.show();
  framework::ListBox* list = preferences.SettingList();
  for (int index = 0; index < list->count(); ++index) {
    list->setCurrentRow(index);
    const PreferencePageRow* row = FindPreferencePageRow(static_cast<int>(list->ItemData(index)));
    COptionPage* option = preferences.OptionPage(row->pageId);
    QWidget* target = option;
    for (QWidget* child : option->findChildren<QWidget*>()) {
      if (child->isVisibleTo(option) && child->focusPolicy() != Qt::NoFocus) {
        target = child;
        break;
      }
    }
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_EQ(owner.closed, 0) << row->pageId;
    EXPECT_TRUE(owner.isVisible());
  }
  QTest::keyClick(list, Qt::Key_Escape);
  QTest::keyClick(preferences.VersionEdit(), Qt::Key_Return);
  EXPECT_EQ(owner.closed, 0);
}

}  // namespace
}  // namespace cadmira::pages
