#include "app/InterfaceChange.h"

#include "app/CadmiraDlg.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

#include "framework/ComboBox.h"
#include "framework/ProfileStore.h"
#include "framework/RadioButton.h"
#include "framework/ScriptedHost.h"
#include "localization/LanguageFile.h"
#include "localization/UIChangedlg.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

using framework::HostCall;
using localization::CUIChangedlg;

const QString kQuestion = QStringLiteral(
    "The program will restart when the interface changes. However,\r\nit will cause the data in the window loss. "
    "Do you agree with?");

int StoredLanguage() { return framework::ProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), -1); }
int StoredProductValue() { return framework::ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), -1); }

class InterfaceChangeTest : public ::testing::Test {
 protected:
  void Store(int language, int product) {
    framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), language);
    framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), product);
  }
  // Runs the Interface command; `choose` acts on the dialog as a person would before Confirm, and
  // `answer` answers the question about the restart.
  void Change(const std::function<void(CUIChangedlg&)>& choose, framework::MessageAnswer answer) {
    Script(choose, answer);
    InterfaceChange(nullptr);
  }
  void Script(const std::function<void(CUIChangedlg&)>& choose, framework::MessageAnswer answer) {
    m_host.AnswerModal([choose](framework::Dialog& dialog) {
      auto& change = static_cast<CUIChangedlg&>(dialog);
      choose(change);
      change.item<QPushButton>(framework::kIdOk)->click();
      return change.result();
    });
    m_host.ExpectMessageBox(kQuestion, QStringLiteral("Interface Change"), framework::MessageIcon::Question,
                            framework::MessageButtons::YesNo, answer);
  }
  static framework::ComboBox* Languages(CUIChangedlg& dialog) {
    return dialog.item<framework::ComboBox>(CUIChangedlg::kLanguageCombo);
  }
  static framework::RadioButton* Radio(CUIChangedlg& dialog, int id) { return dialog.item<framework::RadioButton>(id); }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
};

TEST_F(InterfaceChangeTest, TheDialogShowsTheStoredChoiceWithoutSelectingALanguage) {
  struct Case {
    int language, product;
    QString field;
    bool reader;
  };
  const Case cases[] = {{49007, 1, QStringLiteral("Chinese"), true},
                        {49001, 0, QStringLiteral("English"), false},
                        {12345, 7, QString(), false}};
  for (const Case& c : cases) {
    Store(c.language, c.product);
    CUIChangedlg dialog;
    ASSERT_TRUE(dialog.Create());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Interface"));
    EXPECT_EQ(dialog.item<QLabel>(CUIChangedlg::kHeading)->text(), QStringLiteral("Interface Language Change"));
    EXPECT_EQ(Radio(dialog, CUIChangedlg::kReaderRadio)->text(), QStringLiteral("Reader"));
    EXPECT_EQ(Radio(dialog, CUIChangedlg::kOrvantaRadio)->text(), QStringLiteral("Orvanta"));
    EXPECT_EQ(dialog.item<QPushButton>(framework::kIdOk)->text(), QStringLiteral("Confirm"));
    framework::ComboBox* languages = Languages(dialog);
    ASSERT_EQ(languages->count(), 2);
    EXPECT_EQ(languages->itemText(0), QStringLiteral("English"));
    EXPECT_EQ(languages->itemText(1), QStringLiteral("Chinese"));
    EXPECT_EQ(languages->CurSel(), -1) << c.language;
    EXPECT_EQ(languages->currentText(), c.field) << c.language;
    EXPECT_EQ(Radio(dialog, CUIChangedlg::kReaderRadio)->isChecked(), c.reader) << c.product;
    EXPECT_EQ(Radio(dialog, CUIChangedlg::kOrvantaRadio)->isChecked(), !c.reader) << c.product;
  }
}

TEST_F(InterfaceChangeTest, ConfirmingStoresTheChoiceAndAlwaysAsksAboutTheRestart) {
  struct Case {
    const char* name;
    int language, product;
    std::function<void(CUIChangedlg&)> choose;
    int storedLanguage, storedProduct;
  };
  const Case cases[] = {
      {"nothing changed", 49007, 1, [](CUIChangedlg&) {}, 49007, 1},
      {"a typed language name changes nothing", 49007, 1,
       [](CUIChangedlg& d) { Languages(d)->lineEdit()->setText(QStringLiteral("English")); }, 49007, 1},
      {"English picked", 49007, 1, [](CUIChangedlg& d) { Languages(d)->SetCurSel(0); }, 49001, 1},
      {"Chinese picked", 49001, 0, [](CUIChangedlg& d) { Languages(d)->SetCurSel(1); }, 49007, 0},
      {"Orvanta checked", 49001, 1, [](CUIChangedlg& d) { Radio(d, CUIChangedlg::kOrvantaRadio)->click(); }, 49001, 0},
      {"Reader checked", 49001, 0, [](CUIChangedlg& d) { Radio(d, CUIChangedlg::kReaderRadio)->click(); }, 49001, 1},
      {"an unknown product is stored as Orvanta", 49001, 7, [](CUIChangedlg&) {}, 49001, 0},
      {"no product checked leaves it", 49001, 7,
       [](CUIChangedlg& d) { Radio(d, CUIChangedlg::kOrvantaRadio)->setChecked(false); }, 49001, 7},
  };
  for (const Case& c : cases) {
    Store(c.language, c.product);
    m_host.Clear();
    Change(c.choose, framework::MessageAnswer::No);
    EXPECT_EQ(StoredLanguage(), c.storedLanguage) << c.name;
    EXPECT_EQ(StoredProductValue(), c.storedProduct) << c.name;
    EXPECT_TRUE(m_host.ScriptUsedUp()) << c.name;
    EXPECT_EQ(m_host.Calls().size(), 2u) << c.name;  // the dialog and the question: no restart
  }
}

TEST_F(InterfaceChangeTest, TheInterfaceButtonRunsTheDialogAndCancellingStoresAndAsksNothing) {
  Store(49001, 0);
  CCadmiraDlg window;
  ASSERT_TRUE(window.Create());
  m_host.AnswerModal(framework::kIdCancel);
  window.Button(CCadmiraDlg::kInterfaceButton)->click();
  ASSERT_EQ(m_host.Calls().size(), 1u);
  EXPECT_EQ(m_host.Calls()[0].dialogId, CUIChangedlg::kDialogId);
  EXPECT_EQ(StoredLanguage(), 49001);
  EXPECT_EQ(StoredProductValue(), 0);
}

TEST_F(InterfaceChangeTest, YesRestartsAndANewInstanceThatCannotStartIsReported) {
  Change([](CUIChangedlg& d) { Languages(d)->SetCurSel(1); }, framework::MessageAnswer::Yes);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  ASSERT_EQ(m_host.Calls().size(), 3u);
  EXPECT_EQ(m_host.Calls()[2].kind, HostCall::Kind::Restart);
  EXPECT_EQ(StoredLanguage(), 49007);

  m_host.Clear();
  m_host.AnswerRestart(false);
  Script([](CUIChangedlg&) {}, framework::MessageAnswer::Yes);
  m_host.ExpectMessageBox(QStringLiteral("The program could not be restarted. The interface change will take "
                                         "effect the next time you start it."),
                          QStringLiteral("Interface Change"), framework::MessageIcon::Information,
                          framework::MessageButtons::Ok, framework::MessageAnswer::Ok);
  InterfaceChange(nullptr);
  EXPECT_TRUE(m_host.ScriptUsedUp());
  ASSERT_EQ(m_host.Calls().size(), 4u);
  EXPECT_EQ(m_host.Calls()[3].kind, HostCall::Kind::MessageBox);
}

TEST_F(InterfaceChangeTest, UnderTheChineseInterfaceTheFieldShowsTheChineseWord) {
  Store(49007, 0);
  localization::LoadLanguageFile(49007);
  CUIChangedlg dialog;
  ASSERT_TRUE(dialog.Create());
  const QString field = Languages(dialog)->currentText();
  localization::LoadLanguageFile(49001);
  EXPECT_FALSE(field.isEmpty());
  EXPECT_NE(field, QStringLiteral("Chinese"));
  EXPECT_EQ(Languages(dialog)->CurSel(), -1);
}

}  // namespace
}  // namespace cadmira::app
