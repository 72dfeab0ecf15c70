#include "app/FileCommands.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include "document/Seal.h"
#include "framework/Dialog.h"
#include "framework/ScriptedHost.h"
#include "tests/app/TestFiles.h"
#include "tests/document/FakeDocumentPages.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::app {
namespace {

using document::kPreferencesDialog;
using document::kVersionEdit;
using framework::HostCall;
using framework::MessageAnswer;

const QString kNotice = QStringLiteral("Notice");
const QString kImportSucceed = QStringLiteral("Import Succeed");
const QString kFormatError = QStringLiteral("The format of xml is error.");
const QString kNotSaved = QStringLiteral(
    "The document could not be saved. The file may be read-only, or opened by another user. Please save the "
    "document with a different name or in different folder.");
const QString kChooseTheProduct = QString::fromUtf8(
    "Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go to \u201cInterface\u201d to "
    "choose the product Reader or Orvanta firstly. ");

const QByteArray kOrvantaFile =
    "<ZandorOrvantaPDF version=\"10.1\" Edition=\"BIZ\"><Profstore><Preferences/>"
    "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"a.zpi;\"/></Plugins>"
    "<RibbonUI><Category Name=\"Home\"><Control Name=\"Save\" Visible=\"0\"/></Category></RibbonUI>"
    "</Profstore></ZandorOrvantaPDF>";
const QByteArray kReaderFile = "<ZandorReader version=\"2\" Edition=\"Enterprise\"><Profstore/></ZandorReader>";

QByteArray Sealed(QByteArray bytes) {
  document::SealBuffer(reinterpret_cast<unsigned char*>(bytes.data()), static_cast<std::size_t>(bytes.size()));
  return bytes;
}

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_window.Create());
    m_window.item<QPushButton>(1007)->setEnabled(false);
    m_window.setWindowTitle(QStringLiteral("Cadmira-Zandor OrvantaPDF"));
  }

  QString Write(const QString& name, const QByteArray& bytes) const { return WriteFileIn(m_folder, name, bytes); }
  // The next box must be this information box with an OK button.
  void Expect(const QString& text, const QString& caption = kNotice) {
    m_host.ExpectMessageBox(text, caption, framework::MessageIcon::Information, framework::MessageButtons::Ok,
                            MessageAnswer::Ok);
  }
  bool Shown() const { return m_host.ScriptUsedUp(); }
  bool SaveEnabled() const { return m_window.item<QPushButton>(1007)->isEnabled(); }
  void Import(const QString& path) {
    m_host.AnswerFileDialog(path);
    m_commands.ImportCommand();
  }
  void LoadAccepted(const QString& path) {
    Expect(kImportSucceed);
    Import(path);
    ASSERT_TRUE(Shown());
  }

  TempProfile m_profile;
  framework::ScriptedHost m_host;
  QTemporaryDir m_folder;
  framework::Dialog m_window{102};
  CDocumentState m_state;
  document::FakeDocumentPages m_pages;
  CFileCommands m_commands{m_window, m_state, m_pages};
};

TEST_F(FileCommandsTest, ImportAsksForAnXmlFileAndLoadsASealedOneOfTheProduct) {
  const QString path = Write(QStringLiteral("sealed.xml"), Sealed(kOrvantaFile));
  LoadAccepted(path);
  ASSERT_FALSE(m_host.Calls().empty());
  const framework::FileDialogRequest& request = m_host.Calls()[0].request;
  EXPECT_EQ(request.mode, framework::FileDialogRequest::Mode::Open);
  EXPECT_EQ(request.filter, QStringLiteral("XML (*.xml)|*.xml||"));
  EXPECT_TRUE(request.defaultExtension.isEmpty());
  EXPECT_TRUE(request.initialName.isEmpty());
  EXPECT_TRUE(request.readOnlyBoxHidden);

  EXPECT_EQ(m_state.m_strFilePath, path);
  EXPECT_EQ(m_window.windowTitle(), path);
  EXPECT_TRUE(SaveEnabled());
  EXPECT_TRUE(m_state.m_bRibbonPending && m_state.m_bPluginsPending);
  ASSERT_NE(m_state.RootElement(), nullptr);
  EXPECT_EQ(m_pages.calls, (std::vector<std::string>{"clear", "ribbon", "plugins"}));
  EXPECT_EQ(m_pages.controls.Text(kPreferencesDialog, kVersionEdit), u"10.1");
  EXPECT_EQ(m_pages.hiddenPlugins, std::vector<std::u16string>{u"a.zpi"});
}

TEST_F(FileCommandsTest, ACancelledImportChangesNothingNotEvenTheRibbon) {
  m_pages.hiddenRibbon = {{u"Home", u"Save"}};
  m_host.AnswerFileDialog(std::nullopt);
  m_commands.ImportCommand();
  EXPECT_TRUE(m_pages.calls.empty());
  EXPECT_EQ(m_pages.hiddenRibbon, (std::vector<document::RibbonPath>{{u"Home", u"Save"}}));
  EXPECT_TRUE(m_host.MessageBoxes().empty());
  EXPECT_TRUE(m_state.m_strFilePath.isEmpty());
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(FileCommandsTest, ARefusedFileLeavesTheCurrentFileTitleTreeAndFlagsAsTheyWere) {
  const QString accepted = Write(QStringLiteral("accepted.xml"), kOrvantaFile);
  LoadAccepted(accepted);
  const CXML_TreeElement* tree = m_state.RootElement();
  m_state.m_bRibbonPending = false;

  struct Refused {
    const char* name;
    QByteArray bytes;
    QString text;
    QString caption;
  };
  const Refused cases[] = {
      {"reader.xml", kReaderFile, kChooseTheProduct, QString()},
      {"damaged.xml", "<<<", kFormatError, kNotice},
      {"foreign.xml", "<Settings/>",
       QStringLiteral("This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one and "
                      "try again."),
       QString()},
  };
  m_pages.calls.clear();
  m_pages.hiddenRibbon = {{u"Home", u"Open"}};
  for (const Refused& refused : cases) {
    m_pages.controls.SetText(kPreferencesDialog, kVersionEdit, u"typed");
    Expect(refused.text, refused.caption);
    Import(Write(QString::fromLatin1(refused.name), refused.bytes));
    EXPECT_TRUE(Shown()) << refused.name;
    EXPECT_EQ(m_state.m_strFilePath, accepted) << refused.name;
    EXPECT_EQ(m_window.windowTitle(), accepted) << refused.name;
    EXPECT_EQ(m_state.RootElement(), tree) << refused.name;
    EXPECT_FALSE(m_state.m_bRibbonPending) << refused.name;
    EXPECT_EQ(m_pages.controls.Text(kPreferencesDialog, kVersionEdit), u"typed") << refused.name;
    EXPECT_TRUE(m_pages.calls.empty()) << refused.name;
  }

  // A Save after the refusals still writes the accepted file, never a refused one.
  Expect(QStringLiteral("Save Succeed"));
  m_commands.SaveCommand();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(ReadBytes(m_folder.filePath(QStringLiteral("reader.xml"))), kReaderFile);
  EXPECT_NE(ReadBytes(accepted), kOrvantaFile);
}

TEST_F(FileCommandsTest, DroppedFilesLoadInOrderUntilTheFirstRefusal) {
  const QString first = Write(QStringLiteral("first.xml"), kOrvantaFile);
  const QString second = Write(QStringLiteral("second.xml"), kOrvantaFile);
  const QString sealed = Write(QStringLiteral("sealed.xml"), Sealed(kOrvantaFile));

  Expect(kImportSucceed);
  Expect(kImportSucceed);
  m_commands.OpenDroppedFiles({first, second});
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_state.m_strFilePath, second);
  EXPECT_EQ(m_pages.calls, (std::vector<std::string>{"clear", "ribbon", "plugins", "clear", "ribbon", "plugins"}));

  // A dropped file is read as Import reads it, so a file this program saved loads too.
  m_pages.calls.clear();
  Expect(kImportSucceed);
  m_commands.OpenDroppedFiles({sealed});
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_state.m_strFilePath, sealed);
  EXPECT_EQ(m_pages.calls, (std::vector<std::string>{"clear", "ribbon", "plugins"}));

  // The files after a refused one are ignored, and the refused one leaves the ribbon as it was.
  const QString damaged = Write(QStringLiteral("damaged.xml"), "<<<");
  m_pages.calls.clear();
  Expect(kImportSucceed);
  Expect(kFormatError);
  m_commands.OpenDroppedFiles({first, damaged, second});
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_state.m_strFilePath, first);
  EXPECT_EQ(m_pages.calls, (std::vector<std::string>{"clear", "ribbon", "plugins"}));
}

TEST_F(FileCommandsTest, TheStartFileGivenToOpenLoadsAsImportDoes) {
  Expect(kFormatError);
  m_commands.OpenStartFile(m_folder.filePath(QStringLiteral("missing.xml")), StartFileRead::AsImport);
  EXPECT_TRUE(Shown());
  const QString sealed = Write(QStringLiteral("sealed.xml"), Sealed(kOrvantaFile));
  Expect(kImportSucceed);
  m_commands.OpenStartFile(sealed, StartFileRead::AsImport);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_state.m_strFilePath, sealed);
  EXPECT_TRUE(SaveEnabled());
}

// The window never waits for a FIFO's writer nor reads a device to its end: each of them is
// refused at once, as a file that does not parse.
TEST_F(FileCommandsTest, EveryLoadRefusesWhatIsNotARegularFile) {
  const QString fifo = m_folder.filePath(QStringLiteral("fifo.xml"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString zero = m_folder.filePath(QStringLiteral("zero.xml"));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
  const QString folder = m_folder.filePath(QStringLiteral("folder.xml"));
  ASSERT_TRUE(QDir().mkdir(folder));
  for (const QString& path : {fifo, zero, folder}) {
    Expect(kFormatError);
    Import(path);
    Expect(kFormatError);
    m_commands.OpenDroppedFiles({path});
    Expect(kFormatError);
    m_commands.OpenStartFile(path, StartFileRead::AsImport);
    m_commands.OpenStartFile(path);
    EXPECT_TRUE(Shown()) << path.toStdString();
    EXPECT_EQ(m_host.MessageBoxes().size(), 3u) << path.toStdString();
    m_host.Clear();
  }
  EXPECT_TRUE(m_pages.calls.empty());
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(FileCommandsTest, TheStartFileLoadsPlainAndIsSilentWhenItDoesNotParse) {
  m_commands.OpenStartFile(Write(QStringLiteral("sealed.xml"), Sealed(kOrvantaFile)));
  m_commands.OpenStartFile(m_folder.filePath(QStringLiteral("missing.xml")));
  EXPECT_TRUE(m_host.Calls().empty());
  EXPECT_FALSE(SaveEnabled());
  EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Cadmira-Zandor OrvantaPDF"));
  EXPECT_TRUE(m_pages.calls.empty());

  Expect(kChooseTheProduct, QString());
  m_commands.OpenStartFile(Write(QStringLiteral("reader.xml"), kReaderFile));
  EXPECT_TRUE(Shown());

  // A relative name is kept as the full path it names, which Save then writes to.
  const QString plain = Write(QStringLiteral("plain.xml"), kOrvantaFile);
  const QString previous = QDir::currentPath();
  QDir::setCurrent(m_folder.path());
  Expect(kImportSucceed);
  m_commands.OpenStartFile(QStringLiteral("plain.xml"));
  QDir::setCurrent(previous);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_state.m_strFilePath, plain);
  EXPECT_TRUE(SaveEnabled());
}

TEST_F(FileCommandsTest, ExportAsksForANewFileAndWritesItSealedLeavingTheCurrentFile) {
  const QString loaded = Write(QStringLiteral("loaded.xml"), Sealed(kOrvantaFile));
  LoadAccepted(loaded);
  const QString exported = m_folder.filePath(QStringLiteral("new.xml"));
  m_host.Clear();
  m_host.AnswerFileDialog(exported);
  Expect(QStringLiteral("Export Succeed"));
  m_commands.ExportCommand();
  EXPECT_TRUE(Shown());
  ASSERT_FALSE(m_host.Calls().empty());
  const framework::FileDialogRequest request = m_host.Calls()[0].request;
  EXPECT_EQ(request.mode, framework::FileDialogRequest::Mode::Save);
  EXPECT_EQ(request.filter, QStringLiteral("XML (*.xml)|*.xml||"));
  EXPECT_EQ(request.defaultExtension, QStringLiteral("xml"));
  EXPECT_EQ(request.initialName, QStringLiteral("profstore"));
  EXPECT_TRUE(request.readOnlyBoxChecked && request.overwritePrompt && request.pathMustExist);

  std::vector<unsigned char> expected = m_state.m_writeContext.m_spXmlDoc->Serialize();
  document::SealBuffer(expected.data(), expected.size());
  EXPECT_EQ(ReadBytes(exported),
            QByteArray(reinterpret_cast<const char*>(expected.data()), static_cast<int>(expected.size())));
  EXPECT_EQ(m_state.m_strFilePath, loaded);
  EXPECT_EQ(m_window.windowTitle(), loaded);
}

TEST_F(FileCommandsTest, ARefusedValidationOpensNoDialogAndWritesNothing) {
  LoadAccepted(Write(QStringLiteral("loaded.xml"), kOrvantaFile));
  m_host.Clear();
  m_pages.refusal = 235;
  Expect(QStringLiteral("Please enter the version!"), QString());
  Expect(QStringLiteral("Please enter the version!"), QString());
  m_commands.ExportCommand();
  m_commands.SaveCommand();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(m_host.Calls().size(), 2u);
  EXPECT_EQ(ReadBytes(m_state.m_strFilePath), kOrvantaFile);
}

// Pages whose ribbon section fails as a DOM call can.
class FailingRibbonPages : public document::FakeDocumentPages {
 public:
  void WriteRibbonSection(document::CWriteContext&) const override {
    throw document::CDomError(document::kE_FAIL, "appendChild failed");
  }
};

TEST_F(FileCommandsTest, ADocumentThatCannotBeBuiltIsNotSavedAndTheProgramGoesOn) {
  const QString loaded = Write(QStringLiteral("loaded.xml"), kOrvantaFile);
  LoadAccepted(loaded);
  FailingRibbonPages failing;
  CFileCommands commands(m_window, m_state, failing);
  Expect(kNotSaved);
  commands.SaveCommand();
  m_host.AnswerFileDialog(m_folder.filePath(QStringLiteral("new.xml")));
  Expect(kNotSaved);
  commands.ExportCommand();
  EXPECT_TRUE(Shown());
  EXPECT_EQ(ReadBytes(loaded), kOrvantaFile);
  EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("loaded.xml")});
}

}  // namespace
}  // namespace cadmira::app
