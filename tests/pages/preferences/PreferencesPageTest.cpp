#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "framework/ListBox.h"
#include "framework/Screen.h"
#include "localization/UiString.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "tests/pages/preferences/PageFixture.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

QStringList Rows(const CPreferencedlg& page) {
  QStringList rows;
  const framework::ListBox* list = page.SettingList();
  for (int index = 0; index < list->count(); ++index) rows << list->item(index)->text();
  return rows;
}

// The option pages that are shown, by dialog id.
std::vector<int> ShownPages(CPreferencedlg& page) {
  std::vector<int> shown;
  for (const int id : OptionPageCreationOrder()) {
    COptionPage* option = page.OptionPage(id);
    if (option != nullptr && option->isVisibleTo(&page)) shown.push_back(id);
  }
  return shown;
}

std::vector<int> ShownBoxes(CPreferencedlg& page) {
  std::vector<int> shown;
  COptionPage* checks = page.OptionPage(kCheckPageId);
  for (const int id : CheckPageBoxes()) {
    if (checks->item(id)->isVisibleTo(checks)) shown.push_back(id);
  }
  return shown;
}

QString Description(const CPreferencedlg& page) {
  return page.item<QPlainTextEdit>(CPreferencedlg::kDescriptionEdit)->toPlainText();
}

// A description as the box shows it: one break for each line break of the string table.
QString DescriptionText(int id) { return LoadUiString(id).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

TEST_F(PageTest, TheReaderListsItsRowsAlphabetically) {
  CPreferencedlg& reader = Open(kReader);
  EXPECT_EQ(Rows(reader), (QStringList{"About Zandor Reader",
                                       "Advertisement",
                                       "Application Language",
                                       "Default PDF Viewer",
                                       "Default Tessadoc Server",
                                       "Features which require internet connection",
                                       "Filter Comments",
                                       "Forbid Auto Update",
                                       "Forbid Default Checking",
                                       "Lock Read Mode in web browsers",
                                       "Main Program Name",
                                       "Notification Messages",
                                       "RMS Setting",
                                       "Safe Reading Mode",
                                       "Security Warning",
                                       "Set User Manual Link",
                                       "Share the PDF file that caused this crash",
                                       "Start Page",
                                       "Status Bar",
                                       "Tessadoc",
                                       "User Experience Improvement"}));
  EXPECT_EQ(reader.item<QLabel>(CPreferencedlg::kVersionLabel)->text(), QStringLiteral("Version of Zandor Reader:"));
  EXPECT_EQ(reader.item<QGroupBox>(CPreferencedlg::kOptionsBox)->title(), QStringLiteral("Options"));
  EXPECT_EQ(reader.item<QGroupBox>(CPreferencedlg::kDescriptionBox)->title(), QStringLiteral("Description"));
  EXPECT_EQ(reader.SettingList()->currentRow(), 0);
  EXPECT_EQ(ShownPages(reader), std::vector<int>{151});
  EXPECT_EQ(Description(reader), DescriptionText(154));
}

TEST_F(PageTest, TheEditorHasTheAppendRowInsteadOfTheAdvertisement) {
  CPreferencedlg& orvanta = Open(kOrvanta);
  const QStringList rows = Rows(orvanta);
  EXPECT_EQ(rows.size(), 21);
  EXPECT_EQ(rows.front(), QStringLiteral("About Zandor OrvantaPDF"));
  EXPECT_FALSE(rows.contains(QStringLiteral("Advertisement")));
  EXPECT_EQ(rows.indexOf(QStringLiteral("Insert Printed PDF into Pre-Generated PDF")),
            rows.indexOf(QStringLiteral("Forbid Default Checking")) + 1);
  EXPECT_EQ(orvanta.item<QLabel>(CPreferencedlg::kVersionLabel)->text(),
            QStringLiteral("Version of Zandor OrvantaPDF:"));
  EXPECT_EQ(Description(orvanta), DescriptionText(241));
}

TEST_F(PageTest, TheChineseInterfaceSortsItsOwnTextsByPinyinAndOpensOnAbout) {
  CPreferencedlg& reader = Open(kReader, kChinese);
  const QStringList rows = Rows(reader);
  // Chinese collation puts Han before Latin letters.
  EXPECT_EQ(rows, (QStringList{"安全警告",
                               "安全阅读模式",
                               "共享导致此次崩溃的 PDF 文件",
                               "关于 Zandor Reader",
                               "广告",
                               "禁止检查默认查看器",
                               "禁止自动更新",
                               "默认 PDF 查看器",
                               "默认 Tessadoc 服务器",
                               "起始页",
                               "筛选注释",
                               "设置用户手册链接",
                               "锁定 Web 浏览器中的阅读模式",
                               "通知消息",
                               "需要连接互联网的功能",
                               "应用程序语言",
                               "用户体验改进计划",
                               "主程序名称",
                               "状态栏",
                               "RMS 设置",
                               "Tessadoc"}));
  // The row that is picked is the page that is shown.
  EXPECT_EQ(reader.SettingList()->currentItem()->text(), QStringLiteral("关于 Zandor Reader"));
  EXPECT_EQ(ShownPages(reader), std::vector<int>{151});
  EXPECT_EQ(Description(reader), DescriptionText(154));
}

TEST_F(PageTest, EveryRowShowsItsPageItsBoxesAndItsDescription) {
  for (const resources::Product product : {kReader, kOrvanta}) {
    CPreferencedlg& preferences = Open(product);
    framework::ListBox* list = preferences.SettingList();
    for (int index = list->count() - 1; index >= 0; --index) {
      list->setCurrentRow(index);
      const PreferencePageRow* row = FindPreferencePageRow(static_cast<int>(list->ItemData(index)));
      ASSERT_NE(row, nullptr);
      SCOPED_TRACE(list->item(index)->text().toStdString());
      EXPECT_EQ(list->item(index)->text(), LoadUiString(RowTextId(*row, product)));
      EXPECT_EQ(ShownPages(preferences), std::vector<int>{row->pageId});
      EXPECT_EQ(preferences.OptionPage(row->pageId)->accessibleName(), list->item(index)->text());
      EXPECT_EQ(Description(preferences), DescriptionText(RowDescriptionId(*row, product)));
      if (row->pageId == kCheckPageId) {
        EXPECT_EQ(ShownBoxes(preferences), std::vector<int>(row->checkBoxes.begin(), row->checkBoxes.end()));
      }
    }
  }
}

TEST_F(PageTest, SwitchingRowsKeepsEveryValue) {
  CPreferencedlg& reader = Open(kReader);
  reader.SetChecked(172, 1048, true);
  reader.SetText(171, 1072, u"15");
  reader.SetComboIndex(178, 1069, 2);
  framework::ListBox* list = reader.SettingList();
  for (int index = 0; index < list->count(); ++index) list->setCurrentRow(index);
  EXPECT_TRUE(reader.Checked(172, 1048));
  EXPECT_EQ(reader.Text(171, 1072), u"15");
  EXPECT_EQ(reader.ComboIndex(178, 1069), 2);
}

TEST_F(PageTest, TheListScrollsSidewaysAsFarAsItsWidestRow) {
  CPreferencedlg& reader = Open(kReader);
  framework::ListBox* list = reader.SettingList();
  // Narrower than its rows, as under a larger font.
  list->resize(list->width() / 3, list->height());
  const QScrollBar* bar = list->horizontalScrollBar();
  const int reach = bar->maximum() + list->viewport()->width();
  // Scrolled to its right end, the list shows every row to its end, the widest one just so.
  int slack = reach;
  for (const QString& row : Rows(reader)) {
    const int width = list->fontMetrics().horizontalAdvance(row);
    EXPECT_LE(width, reach) << row.toStdString();
    slack = qMin(slack, reach - width);
  }
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_LE(slack, 4);
}

TEST_F(PageTest, PagesSitInsideTheOptionsBoxAtTheScreensScale) {
  for (const int dpi : {96, 144}) {
    framework::ScopedDpiOverride scale(dpi);
    CPreferencedlg& reader = Open(kReader);
    const QRect box = reader.item(CPreferencedlg::kOptionsBox)->geometry();
    const int side = dpi == 144 ? 6 : 4;
    const int top = dpi == 144 ? 45 : 30;
    const QRect expected(box.x() + side, box.y() + top, box.width() - 2 * side, box.height() - top - side);
    EXPECT_EQ(reader.PageRect(), expected);
    for (const int id : OptionPageCreationOrder()) EXPECT_EQ(reader.OptionPage(id)->geometry(), expected) << id;
  }
}

TEST_F(PageTest, ValidationReadsWhatTheUserTyped) {
  struct Case {
    const char* version;
    const char* rollingTime;
    int message;  // 0: accepted
  };
  const Case cases[] = {
      {"", "", 235},       {" \t ", "10", 235}, {"1.0", "", 0},    {"1.0", "10", 0},
      {"1.0", "60000", 0}, {"1.0", "12abc", 0}, {"1.0", "0", 239}, {"1.0", "60001", 239},
      {"1.0", "-5", 239},  {"1.0", "abc", 239}, {"1.0", " ", 239},
  };
  for (const resources::Product product : {kReader, kOrvanta}) {
    // The editor lists no Advertisement row, yet a loaded rolling time is still checked.
    CPreferencedlg& preferences = Open(product);
    auto* rollingTime = preferences.OptionPage(171)->item<QLineEdit>(1072);
    for (const Case& c : cases) {
      preferences.VersionEdit()->setText(QString::fromUtf8(c.version));
      rollingTime->setText(QString::fromUtf8(c.rollingTime));
      EXPECT_EQ(RefusalMessageId(CheckBeforeWrite(preferences)), c.message) << c.version << "/" << c.rollingTime;
    }
  }
  EXPECT_EQ(LoadUiString(235), QStringLiteral("Please enter the version!"));
  EXPECT_EQ(LoadUiString(239), QStringLiteral("The rolling time of advertisement is not between 1 and 60000s."));
}

}  // namespace
}  // namespace cadmira::pages
