#include "localization/Relabel.h"

#include <gtest/gtest.h>

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/Screen.h"
#include "LanguageFixture.h"
#include "localization/lookup/LayoutEntry.h"

namespace cadmira::localization {
namespace {

constexpr std::string_view kFile = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Reader>
  <Font><PreFont FaceName="System" Charset="134"/></Font>
  <Dialogs>
    <Dialog id="130" text="界面" left="0" top="0" width="279" height="143">
      <dlgitem id="1005" text="导入" left="14" top="18" width="814" height="688"/>
      <dlgitem id="1006" text="导出" left="0" top="0" width="78" height="21"/>
      <dlgitem id="1007" text="保存" left="5" top="6" width="0" height="21"/>
      <dlgitem id="1008" text="界面" left="5" top="6" width="70"/>
      <dlgitem id="4294967295" text="标签" left="30" top="40" width="50" height="10"/>
      <dlgitem id="1009" text="" left="7" top="8" width="9" height="10"/>
      <dlgitem id="1010" text="确定|||40" left="1" top="2" width="3" height="4"/>
      <dlgitem id="1011" text="取消" left="-1" top="2" width="3" height="4"/>
    </Dialog>
  </Dialogs>
</Reader>)xml";

const QRect kStart(3, 4, 11, 12);

struct TestDialog {
  QDialog dialog;
  QPushButton* importButton = Add<QPushButton>(1005);
  QPushButton* exportButton = Add<QPushButton>(1006);
  QPushButton* saveButton = Add<QPushButton>(1007);
  QPushButton* languageButton = Add<QPushButton>(1008);
  QLabel* firstStatic = Add<QLabel>(-1);
  QLabel* secondStatic = Add<QLabel>(-1);
  QCheckBox* check = Add<QCheckBox>(1009);
  QPushButton* shifted = Add<QPushButton>(1010);
  QPushButton* rejected = Add<QPushButton>(1011);
  QComboBox* combo = Add<QComboBox>(1012);

  TestDialog() {
    framework::SetControlId(&dialog, 0);
    dialog.setWindowTitle("Interface");
    dialog.resize(200, 100);
    check->setText("English");
    combo->setEditable(true);
  }

  template <class Widget>
  Widget* Add(int id) {
    auto* widget = new Widget(&dialog);
    framework::SetControlId(widget, id);
    widget->setGeometry(kStart);
    return widget;
  }
};

class RelabelTest : public LanguageTest {};

TEST_F(RelabelTest, PlacesControlsScaledByDotsPerInch) {
  struct Case {
    int dpi;
    QRect import;
    QSize exportSize;
    QSize dialogSize;
  };
  for (const Case& c :
       {Case{96, {14, 18, 814, 688}, {78, 21}, {279, 143}}, Case{120, {17, 22, 1017, 860}, {97, 26}, {348, 178}},
        Case{144, {21, 27, 1221, 1032}, {117, 31}, {418, 214}}}) {
    LoadLanguageText(kFile);
    framework::ScopedDpiOverride dpi(c.dpi);
    TestDialog t;
    RelabelDialog(&t.dialog, 130);
    EXPECT_EQ(t.importButton->geometry(), c.import) << c.dpi;
    EXPECT_EQ(t.exportButton->pos(), kStart.topLeft()) << "left and top 0 keep the position";
    EXPECT_EQ(t.exportButton->size(), c.exportSize) << c.dpi;
    EXPECT_EQ(t.dialog.size(), c.dialogSize) << c.dpi;
  }
}

constexpr std::string_view kInterfaceDialogFile = R"xml(<?xml version="1.0" encoding="UTF-8"?>
<Reader><Dialogs>
  <Dialog id="130" text="界面" left="0" top="0" width="300" height="150">
    <dlgitem id="1007" text="" left="20" top="30" width="200" height="90"/>
  </Dialog>
</Dialogs></Reader>)xml";

// The interface dialog as the program builds it: a fixed-size top-level window with a combo box.
class RelabelledInterfaceDialog : public framework::Dialog {
 public:
  RelabelledInterfaceDialog() : Dialog(130) {}
  int closedComboHeight = 0;

 protected:
  void OnInitDialog() override {
    closedComboHeight = item(1007)->height();
    RelabelDialog(this, 130);
  }
};

class WindowGeometryTest : public LanguageTest, public ::testing::WithParamInterface<int> {};

TEST_P(WindowGeometryTest, ATopLevelDialogTakesTheOuterSizeAndAComboBoxTheWidthOnly) {
  const int dpi = GetParam();
  LoadLanguageText(kInterfaceDialogFile);
  framework::ScopedDpiOverride scale(dpi);
  RelabelledInterfaceDialog dialog;
  ASSERT_TRUE(dialog.Create());
  const QSize expected(ScaleToDpi(300, dpi), ScaleToDpi(150, dpi));
  EXPECT_EQ(dialog.size(), expected);
  EXPECT_EQ(dialog.minimumSize(), expected) << "the size stays fixed";
  EXPECT_EQ(dialog.maximumSize(), expected);
  const QWidget* combo = dialog.item(1007);
  EXPECT_EQ(combo->geometry(),
            QRect(ScaleToDpi(20, dpi), ScaleToDpi(30, dpi), ScaleToDpi(200, dpi), dialog.closedComboHeight));
  EXPECT_LT(combo->height(), ScaleToDpi(90, dpi));
}

INSTANTIATE_TEST_SUITE_P(Dpi, WindowGeometryTest, ::testing::Values(96, 120, 144));

TEST_F(RelabelTest, SetsTextsAndSkipsIncompleteEntries) {
  LoadLanguageText(kFile);
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(t.dialog.windowTitle(), QString::fromUtf8("界面"));
  EXPECT_EQ(t.importButton->text(), QString::fromUtf8("导入"));
  // Width "0": the text changes, the geometry does not.
  EXPECT_EQ(t.saveButton->text(), QString::fromUtf8("保存"));
  EXPECT_EQ(t.saveButton->geometry(), kStart);
  // No height: nothing changes at all.
  EXPECT_EQ(t.languageButton->text(), QString());
  EXPECT_EQ(t.languageButton->geometry(), kStart);
  // An empty text keeps the template's; the geometry still applies.
  EXPECT_EQ(t.check->text(), "English");
  EXPECT_EQ(t.check->geometry(), QRect(7, 8, 9, 10));
  // A negative left is rejected: text only.
  EXPECT_EQ(t.rejected->text(), QString::fromUtf8("取消"));
  EXPECT_EQ(t.rejected->geometry(), kStart);
  // A control without an entry keeps everything.
  EXPECT_EQ(t.combo->geometry(), kStart);
}

TEST_F(RelabelTest, EveryControlWithIdMinusOneGetsTheSameEntry) {
  LoadLanguageText(kFile);
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  for (QLabel* label : {t.firstStatic, t.secondStatic}) {
    EXPECT_EQ(label->text(), QString::fromUtf8("标签"));
    EXPECT_EQ(label->geometry(), QRect(30, 40, 50, 10));
  }
}

TEST_F(RelabelTest, SeparatorInTextShiftsTheValues) {
  LoadLanguageText(kFile);
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  // "确定|||40" leaves left 40, top 1, width 2, height 3.
  EXPECT_EQ(t.shifted->text(), QString::fromUtf8("确定"));
  EXPECT_EQ(t.shifted->geometry(), QRect(40, 1, 2, 3));
}

TEST_F(RelabelTest, LeavesQtInnerWidgetsAlone) {
  LoadLanguageText(R"(<Reader><Dialogs><Dialog id="130" left="0" top="0" width="50" height="50">
      <dlgitem id="0" text="x" left="1" top="1" width="1" height="1"/></Dialog></Dialogs></Reader>)");
  TestDialog t;
  QLineEdit* inner = t.combo->lineEdit();
  const QRect before = inner->geometry();
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(inner->geometry(), before);
  EXPECT_EQ(inner->text(), QString());
}

TEST_F(RelabelTest, KeepsTheStackingOrder) {
  LoadLanguageText(kFile);
  TestDialog t;
  const QObjectList before = t.dialog.children();
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(t.dialog.children(), before);
}

TEST_F(RelabelTest, HugeNumbersAreHeldToQtsLimit) {
  LoadLanguageText(R"(<Reader><Dialogs><Dialog id="130" left="0" top="0" width="99999999999" height="1">
      <dlgitem id="1005" text="x" left="2147483647" top="99999999999" width="2147483647" height="2147483647"/>
      </Dialog></Dialogs></Reader>)");
  framework::ScopedDpiOverride dpi(144);
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(t.importButton->geometry(), QRect(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  EXPECT_EQ(t.dialog.height(), 1);
}

TEST_F(RelabelTest, EnglishChangesNothing) {
  TestDialog t;
  const QFont font = t.dialog.font();
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(t.dialog.windowTitle(), "Interface");
  EXPECT_EQ(t.dialog.size(), QSize(200, 100));
  EXPECT_EQ(t.importButton->geometry(), kStart);
  EXPECT_EQ(t.importButton->text(), QString());
  EXPECT_EQ(t.importButton->font(), font);
}

TEST_F(RelabelTest, AppliesTheLanguageFaceToEveryWidget) {
  LoadLanguageText(R"(<Reader><Font><PreFont FaceName="wenquanyi micro hei" Charset="134"/></Font></Reader>)");
  TestDialog t;
  const int pointSize = t.dialog.font().pointSize();
  RelabelDialog(&t.dialog, 130);
  for (QWidget* widget : {static_cast<QWidget*>(&t.dialog), static_cast<QWidget*>(t.importButton),
                          static_cast<QWidget*>(t.combo->lineEdit())}) {
    EXPECT_EQ(widget->font().family(), "WenQuanYi Micro Hei");
    EXPECT_EQ(widget->font().pointSize(), pointSize);
  }
}

TEST_F(RelabelTest, UnknownFacesAndCharsetsKeepTheDialogFont) {
  for (const std::string_view preFont :
       {R"(<PreFont FaceName="No Such Face" Charset="134"/>)", R"(<PreFont FaceName="System" Charset="134"/>)",
        R"(<PreFont FaceName="WenQuanYi Micro Hei" Charset="99"/>)",
        R"(<PreFont FaceName="@WenQuanYi Micro Hei" Charset="1"/>)"}) {
    LoadLanguageText("<Reader><Font>" + std::string(preFont) + "</Font></Reader>");
    TestDialog t;
    const QString family = t.dialog.font().family();
    RelabelDialog(&t.dialog, 130);
    EXPECT_EQ(t.importButton->font().family(), family) << preFont;
  }
}

TEST_F(RelabelTest, CharsetOneAcceptsAFaceOfAnyWritingSystem) {
  LoadLanguageText(R"(<Reader><Font><PreFont FaceName="DejaVu Sans" Charset="1"/></Font></Reader>)");
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  EXPECT_EQ(t.importButton->font().family(), "DejaVu Sans");
}

TEST_F(RelabelTest, AnyFaceOfTheCharsetWhenNoneIsNamed) {
  LoadLanguageText(R"(<Reader><Font><PreFont Charset="134"/></Font></Reader>)");
  TestDialog t;
  RelabelDialog(&t.dialog, 130);
  const QString family = t.importButton->font().family();
  EXPECT_TRUE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).contains(family)) << family.toStdString();
}

}  // namespace
}  // namespace cadmira::localization
