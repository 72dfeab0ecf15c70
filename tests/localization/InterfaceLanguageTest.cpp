#include "localization/InterfaceLanguage.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

#include "framework/DialogFont.h"
#include "localization/LanguageFile.h"

namespace cadmira::localization {
namespace {

QStringList ContextMenuTexts() {
  QLineEdit edit;
  std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().section(u'\t', 0, 0);
  }
  return texts;
}

QStringList QuestionButtons() {
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text()};
}

class InterfaceLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { PrepareInterfaceLanguage(kEnglishLangId); }
};

TEST_F(InterfaceLanguageTest, ChineseBringsQtsOwnTextsAndAChineseFace) {
  PrepareInterfaceLanguage(kChineseLangId);
  ASSERT_TRUE(QtCatalogueInstalled()) << "qt6-translations-l10n, which scripts/install-deps installs";
  EXPECT_EQ(QuestionButtons(), (QStringList{QStringLiteral("是(&Y)"), QStringLiteral("否(&N)")}));
  const QStringList menu = ContextMenuTexts();
  EXPECT_TRUE(menu.contains(QStringLiteral("复制(&C)"))) << menu.join(u',').toStdString();
  EXPECT_TRUE(menu.contains(QStringLiteral("粘贴(&P)"))) << menu.join(u',').toStdString();
  EXPECT_EQ(framework::DialogFaces(),
            (QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("DejaVu Sans")}));
  EXPECT_EQ(QApplication::font().families(), framework::DialogFaces()) << "Qt's own windows show the faces too";
}

TEST_F(InterfaceLanguageTest, AnyOtherLanguageKeepsQtsEnglishAndTheLayoutFace) {
  PrepareInterfaceLanguage(kChineseLangId);
  for (const int langid : {kEnglishLangId, 0, kChineseLangId + 0x10000 + 1}) {
    PrepareInterfaceLanguage(langid);
    EXPECT_FALSE(QtCatalogueInstalled()) << langid;
    EXPECT_EQ(QuestionButtons(), (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")})) << langid;
    EXPECT_EQ(framework::DialogFaces(), QStringList{QStringLiteral("DejaVu Sans")}) << langid;
    EXPECT_FALSE(QApplication::font().families().contains(QStringLiteral("WenQuanYi Micro Hei"))) << langid;
  }
}

TEST_F(InterfaceLanguageTest, TheLanguageIsComparedAsASixteenBitValue) {
  PrepareInterfaceLanguage(kChineseLangId + 0x10000);
  EXPECT_EQ(framework::DialogFaces().first(), QStringLiteral("Noto Sans CJK SC"));
}

}  // namespace
}  // namespace cadmira::localization
