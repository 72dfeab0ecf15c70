// Save and Export from the real window when the disk fails them: the refusal with the system's
// reason behind it, the old file as it was and no temporary file left.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <cerrno>
#include <memory>

#include "app/CadmiraDlg.h"
#include "base/ReplaceFileAtomically.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "localization/LanguageFile.h"
#include "localization/UiString.h"
#include "tests/app/TestFiles.h"
#include "tests/framework/TempProfile.h"
#include "tests/support/PosixWriteFaults.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

struct Fault {
  const char* name;
  void (*inject)(ReplaceSystemCalls&);
  // The reason, in English and in Chinese: %1 stands for the target.
  QString english;
  QString chinese;
};

const Fault kFaults[] = {
    {"disk full", [](ReplaceSystemCalls& calls) { calls.write = &write_faults::DiskFull; },
     QStringLiteral("Cannot write %1: No space left on device"), QString::fromUtf8("Cannot write %1: 设备上没有空间")},
    {"final rename", [](ReplaceSystemCalls& calls) { calls.rename = &write_faults::RenameFails; },
     QStringLiteral("Cannot replace %1: Input/output error"), QString::fromUtf8("Cannot replace %1: 输入/输出错误")},
    {"unwritable folder", [](ReplaceSystemCalls& calls) { calls.openFile = &write_faults::FolderRefuses; },
     QStringLiteral("cannot write %1: Permission denied"), QString::fromUtf8("cannot write %1: 权限不够")},
};

const QByteArray kOldFile =
    "<ZandorOrvantaPDF version=\"10.1\" Edition=\"BIZ\"><Profstore><Preferences/></Profstore></ZandorOrvantaPDF>";

class SaveFaultsTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    // The window loads the language the profile names.
    if (Chinese()) framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 49007);
    m_window = std::make_unique<CCadmiraDlg>(QString());
    ASSERT_TRUE(m_window->Create());
    m_loaded = WriteFileIn(m_folder, QStringLiteral("profstore.xml"), kOldFile);
    m_other = WriteFileIn(m_folder, QStringLiteral("other.xml"), kOldFile);
    m_host.AnswerFileDialog(m_loaded);
    Notice(LoadUiString(218));
    m_window->Button(CCadmiraDlg::kImportButton)->click();
    ASSERT_TRUE(m_host.ScriptUsedUp());
  }
  void TearDown() override { localization::LoadLanguageFile(49001); }

  bool Chinese() const { return GetParam(); }
  void Notice(const QString& text) {
    m_host.ExpectMessageBox(text, LoadUiString(126), framework::MessageIcon::Information, framework::MessageButtons::Ok,
                            framework::MessageAnswer::Ok);
  }
  void NotSaved(const Fault& fault, const QString& path) {
    QString reason = Chinese() ? fault.chinese : fault.english;
    reason.replace(QStringLiteral("%1"), path);
    m_host.ExpectMessageBox(LoadUiString(232), LoadUiString(126), framework::MessageIcon::Information,
                            framework::MessageButtons::Ok, framework::MessageAnswer::Ok, reason);
  }
  QStringList Entries() const {
    return QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
  QTemporaryDir m_folder;
  std::unique_ptr<CCadmiraDlg> m_window;
  QString m_loaded;
  QString m_other;
};

TEST_P(SaveFaultsTest, SaveAndExportShowTheRefusalWithTheReasonAndKeepTheOldFiles) {
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.name);
    ReplaceSystemCalls calls;
    fault.inject(calls);
    const ScopedReplaceSystemCalls injected(calls);

    NotSaved(fault, m_loaded);
    m_window->Button(CCadmiraDlg::kSaveButton)->click();
    m_host.AnswerFileDialog(m_other);
    NotSaved(fault, m_other);
    m_window->Button(CCadmiraDlg::kExportButton)->click();

    EXPECT_TRUE(m_host.ScriptUsedUp());
    EXPECT_EQ(ReadBytes(m_loaded), kOldFile);
    EXPECT_EQ(ReadBytes(m_other), kOldFile);
    EXPECT_EQ(Entries(), (QStringList{QStringLiteral("other.xml"), QStringLiteral("profstore.xml")}));
  }
  // The same commands write once the disk is sound again.
  Notice(LoadUiString(223));
  m_window->Button(CCadmiraDlg::kSaveButton)->click();
  EXPECT_TRUE(m_host.ScriptUsedUp());
  EXPECT_NE(ReadBytes(m_loaded), kOldFile);
}

INSTANTIATE_TEST_SUITE_P(InEachLanguage, SaveFaultsTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Chinese") : std::string("English");
                         });

}  // namespace
}  // namespace cadmira::app
