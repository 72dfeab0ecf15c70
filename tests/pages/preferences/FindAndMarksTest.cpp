#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <vector>

#include "localization/UiString.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "tests/pages/preferences/PageFixture.h"

namespace cadmira::pages {
namespace {

// The keys of the rows the list shows, top to bottom.
std::vector<int> ListedKeys(const CPreferencedlg& page) {
  std::vector<int> keys;
  const framework::ListBox* list = page.SettingList();
  for (int index = 0; index < list->count(); ++index) {
    if (!list->isRowHidden(index)) keys.push_back(static_cast<int>(list->ItemData(index)));
  }
  return keys;
}

int SelectedKey(const CPreferencedlg& page) {
  const framework::ListBox* list = page.SettingList();
  return static_cast<int>(list->ItemData(list->currentRow()));
}

QListWidgetItem* RowOf(const CPreferencedlg& page, int key) {
  const framework::ListBox* list = page.SettingList();
  for (int index = 0; index < list->count(); ++index) {
    if (list->ItemData(index) == key) return list->item(index);
  }
  return nullptr;
}

constexpr int kStatusBarKey = 13;
constexpr int kStartPageKey = 12;

TEST_F(PageTest, TypingNarrowsTheListByRowTextDescriptionAndOptionLabels) {
  CPreferencedlg& page = Open(kReader);
  QLineEdit* find = page.FindEdit();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(find->accessibleName(), QStringLiteral("Find:"));
  const std::vector<int> all = ListedKeys(page);
  ASSERT_EQ(all.size(), 21u);

  struct Case {
    const char* text;
    std::vector<int> listed;
  };
  const Case cases[] = {
      {"status", {kStatusBarKey}},
      {"STATUS BAR", {kStatusBarKey}},
      // Only the Advertisement's description speaks of the tab bar.
      {"right corner of the tab bar", {1}},
      // A label of the Advertisement's page alone.
      {"60000S", {1}},
      {"no setting says this", {}},
  };
  for (const Case& c : cases) {
    find->setText(QString::fromLatin1(c.text));
    EXPECT_EQ(ListedKeys(page), c.listed) << c.text;
  }
  find->clear();
  EXPECT_EQ(ListedKeys(page), all);
}

TEST_F(PageTest, TheSelectedRowStaysWhileListedAndNothingListedKeepsThePageShown) {
  CPreferencedlg& page = Open(kReader);
  QLineEdit* find = page.FindEdit();
  SelectKey(page, kStartPageKey);
  find->setText(QStringLiteral("start page"));
  EXPECT_EQ(SelectedKey(page), kStartPageKey);
  // The selected row is no longer listed: the first listed row is selected and shown.
  find->setText(QStringLiteral("status"));
  EXPECT_EQ(SelectedKey(page), kStatusBarKey);
  COptionPage* status = page.OptionPage(178);
  EXPECT_TRUE(status->isVisible());
  find->setText(QStringLiteral("no setting says this"));
  EXPECT_TRUE(status->isVisible());
  // Escape clears the field, and every row is back with the selection kept.
  find->setFocus();
  QTest::keyClick(find, Qt::Key_Escape);
  EXPECT_TRUE(find->text().isEmpty());
  EXPECT_EQ(ListedKeys(page).size(), 21u);
  EXPECT_EQ(SelectedKey(page), kStatusBarKey);
}

TEST_F(PageTest, TheChineseInterfaceFindsItsOwnTexts) {
  CPreferencedlg& page = Open(kOrvanta, kChinese);
  const QString statusBar = localization::LoadUiString(143);
  ASSERT_NE(statusBar, QStringLiteral("Status Bar"));
  page.FindEdit()->setText(statusBar);
  EXPECT_EQ(ListedKeys(page), std::vector<int>{kStatusBarKey});
  EXPECT_EQ(page.item<QLabel>(1101)->text(), localization::LoadUiString(340));
  EXPECT_EQ(page.ChangedOnlyBox()->text(), localization::LoadUiString(341));
}

TEST_F(PageTest, ChangedRowsAreBoldAndSaySoAndChangedOnlyListsThem) {
  CPreferencedlg& page = Open(kReader);
  QCheckBox* changedOnly = page.ChangedOnlyBox();
  ASSERT_NE(changedOnly, nullptr);
  EXPECT_EQ(changedOnly->text(), QStringLiteral("Changed only"));
  changedOnly->setChecked(true);
  EXPECT_TRUE(ListedKeys(page).empty());

  page.SetChecked(CCheckdlg::kDialogId, 1052, true);
  EXPECT_EQ(page.ChangedKeys(), std::vector<int>{kStartPageKey});
  EXPECT_EQ(ListedKeys(page), std::vector<int>{kStartPageKey});
  QListWidgetItem* startPage = RowOf(page, kStartPageKey);
  EXPECT_TRUE(startPage->font().bold());
  EXPECT_EQ(startPage->data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("changed"));
  EXPECT_FALSE(RowOf(page, kStatusBarKey)->font().bold());

  // A combo choice and a text count as well; undoing them by hand takes the marks away.
  page.SetComboIndex(178, 1069, 2);
  page.SetText(175, 1073, u"Contoso");
  EXPECT_EQ(page.ChangedKeys(), (std::vector<int>{7, kStartPageKey, kStatusBarKey}));
  page.SetComboIndex(178, 1069, 0);
  page.SetText(175, 1073, u"");
  page.SetChecked(CCheckdlg::kDialogId, 1052, false);
  EXPECT_TRUE(page.ChangedKeys().empty());
  EXPECT_TRUE(ListedKeys(page).empty());
  EXPECT_FALSE(startPage->data(Qt::FontRole).isValid());
  EXPECT_TRUE(startPage->data(Qt::AccessibleDescriptionRole).toString().isEmpty());
  changedOnly->setChecked(false);
  EXPECT_EQ(ListedKeys(page).size(), 21u);
}

TEST_F(PageTest, TabGoesFromTheVersionToTheFindRowAndThenTheList) {
  CPreferencedlg& page = Open(kReader);
  const std::vector<QWidget*> chain = page.FocusChain();
  ASSERT_GE(chain.size(), 4u);
  const std::vector<QWidget*> first(chain.begin(), chain.begin() + 4);
  EXPECT_EQ(first,
            (std::vector<QWidget*>{page.VersionEdit(), page.FindEdit(), page.ChangedOnlyBox(), page.SettingList()}));
}

}  // namespace
}  // namespace cadmira::pages
