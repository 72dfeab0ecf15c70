#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/LoadDocument.h"
#include "document/Seal.h"
#include "document/WriteDocument.h"
#include "tests/document/FakeDocumentPages.h"
#include "tests/support/TempFolder.h"

namespace cadmira::document {
namespace {

namespace fs = std::filesystem;

const std::string kReaderFile =
    "<ZandorReader version=\"10.1\" Edition=\"Enterprise\"><Profstore><Preferences/>"
    "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"a.zpi;B.ZPI;\"/></Plugins>"
    "<RibbonUI><Category Name=\"Home\"><Panel Name=\"Main\"><Control Name=\"Save\" Visible=\"0\"/></Panel>"
    "</Category></RibbonUI></Profstore></ZandorReader>";
const std::string kOrvantaFile = "<ZandorOrvantaPDF version=\"1\"><Profstore/></ZandorOrvantaPDF>";

class DocumentSequence : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, std::string bytes, bool sealed = false) const {
    if (sealed) SealBuffer(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    const std::string path = (m_folder / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  TempFolder m_temp;
  const fs::path m_folder = m_temp.Folder();
};

TEST_F(DocumentSequence, OnlyAFileOfTheCurrentProductInAnAcceptedFormGivesATree) {
  struct Case {
    const char* name;
    std::string bytes;
    bool sealed;
    ReadForms forms;
    int productNumber;  // as the setting holds it
    int refusal;
  };
  const Case cases[] = {
      {"plain reader", kReaderFile, false, ReadForms::PlainOnly, 1, 0},
      {"sealed reader, imported", kReaderFile, true, ReadForms::PlainThenSealed, 1, 0},
      {"sealed reader, dropped", kReaderFile, true, ReadForms::PlainOnly, 1, kXmlFormatError},
      {"reader file, orvanta current", kReaderFile, false, ReadForms::PlainThenSealed, 0, 236},
      {"orvanta file, reader current", kOrvantaFile, true, ReadForms::PlainThenSealed, 1, 237},
      {"orvanta file, unknown product value", kOrvantaFile, false, ReadForms::PlainOnly, 7, 0},
      {"foreign root", "<Settings><Profstore/></Settings>", false, ReadForms::PlainThenSealed, 1, 238},
      {"damaged", "<<<>>>", false, ReadForms::PlainThenSealed, 1, kXmlFormatError},
      {"empty", "", false, ReadForms::PlainThenSealed, 1, kXmlFormatError},
  };
  for (const Case& c : cases) {
    const LoadedDocument loaded =
        LoadDocument(Write("file.xml", c.bytes, c.sealed), c.forms, resources::ProductFromNumber(c.productNumber));
    EXPECT_EQ(loaded.refusal, c.refusal) << c.name;
    EXPECT_EQ(loaded.tree.Root() != nullptr, c.refusal == 0) << c.name;
  }
  EXPECT_EQ(
      LoadDocument((m_folder / "missing.xml").string(), ReadForms::PlainThenSealed, resources::Product::Reader).refusal,
      kXmlFormatError);
}

#ifndef _WIN32  // FIFOs and /dev exist on POSIX systems only.
// Without a writer a FIFO would block the load until one came, and a device would be read until
// the reader's limit; neither can hold a file the window could save back.
TEST_F(DocumentSequence, AnythingButARegularFileIsRefusedWithoutBeingRead) {
  const std::string fifo = (m_folder / "fifo.xml").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string device = (m_folder / "zero.xml").string();
  fs::create_symlink("/dev/zero", device);
  const std::string folder = (m_folder / "folder.xml").string();
  fs::create_directory(folder);
  // Sparse: one byte over the largest file the reader takes, refused from its size.
  const std::string huge = Write("huge.xml", kReaderFile);
  fs::resize_file(huge, kLargestReadable + 1);
  for (const std::string& path : {fifo, device, folder, huge}) {
    EXPECT_EQ(LoadDocument(path, ReadForms::PlainThenSealed, resources::Product::Reader).refusal, kXmlFormatError)
        << path;
    EXPECT_EQ(LoadDocument(path, ReadForms::PlainOnly, resources::Product::Reader).refusal, kXmlFormatError) << path;
  }
  // A link to a regular file is that file.
  const std::string link = (m_folder / "link.xml").string();
  fs::create_symlink(Write("reader.xml", kReaderFile), link);
  EXPECT_EQ(LoadDocument(link, ReadForms::PlainOnly, resources::Product::Reader).refusal, 0);
}
#endif

TEST_F(DocumentSequence, ApplyingFillsThePreferencesThenTheRibbonThenThePlugins) {
  const LoadedDocument loaded =
      LoadDocument(Write("reader.xml", kReaderFile), ReadForms::PlainOnly, resources::Product::Reader);
  ASSERT_NE(loaded.tree.Root(), nullptr);
  FakeDocumentPages pages;
  ApplyDocument(loaded.tree.Root(), pages);
  EXPECT_EQ(pages.calls, (std::vector<std::string>{"ribbon", "plugins"}));
  EXPECT_EQ(pages.controls.Text(kPreferencesDialog, kVersionEdit), u"10.1");
  EXPECT_EQ(pages.hiddenPlugins, (std::vector<std::u16string>{u"a.zpi", u"B.ZPI"}));
  EXPECT_EQ(pages.hiddenRibbon, (std::vector<RibbonPath>{{u"Home", u"Main", u"Save"}}));
}

TEST_F(DocumentSequence, AWrittenFileIsTheSealedDocumentAndReadsBackAsThePagesWere) {
  const LoadedDocument loaded =
      LoadDocument(Write("reader.xml", kReaderFile), ReadForms::PlainOnly, resources::Product::Reader);
  ASSERT_NE(loaded.tree.Root(), nullptr);
  FakeDocumentPages pages;
  ApplyDocument(loaded.tree.Root(), pages);
  const std::string target = (m_folder / "written.xml").string();
  CWriteContext context;
  const WriteResult result = WriteDocument(context, resources::Product::Reader, pages, target);
  ASSERT_TRUE(result.Written()) << result.detail;

  std::vector<unsigned char> expected = context.m_spXmlDoc->Serialize();
  SealBuffer(expected.data(), expected.size());
  EXPECT_EQ(Read(target), std::string(expected.begin(), expected.end()));

  FakeDocumentPages reloaded;
  const LoadedDocument back = LoadDocument(target, ReadForms::PlainThenSealed, resources::Product::Reader);
  ASSERT_NE(back.tree.Root(), nullptr);
  ApplyDocument(back.tree.Root(), reloaded);
  EXPECT_EQ(reloaded.controls.Text(kPreferencesDialog, kVersionEdit), u"10.1");
  EXPECT_EQ(reloaded.hiddenPlugins, pages.hiddenPlugins);
  EXPECT_EQ(reloaded.hiddenRibbon, pages.hiddenRibbon);
}

// A page whose ribbon section fails as a DOM call can.
class FailingRibbonPages : public FakeDocumentPages {
 public:
  void WriteRibbonSection(CWriteContext&) const override { throw CDomError(kE_FAIL, "appendChild failed"); }
};

TEST_F(DocumentSequence, AFailedBuildOrWriteLeavesTheTargetAsItWas) {
  const std::string existing = Write("existing.xml", "old bytes");
  FailingRibbonPages failing;
  CWriteContext context;
  WriteResult result = WriteDocument(context, resources::Product::Orvanta, failing, existing);
  EXPECT_EQ(result.outcome, WriteResult::Outcome::NotBuilt);
  EXPECT_EQ(Read(existing), "old bytes");

  FakeDocumentPages pages;
  const std::string missingFolder = (m_folder / "missing" / "new.xml").string();
  result = WriteDocument(context, resources::Product::Orvanta, pages, missingFolder);
  EXPECT_EQ(result.outcome, WriteResult::Outcome::NotWritten);
  EXPECT_FALSE(fs::exists(m_folder / "missing"));

  ASSERT_EQ(chmod(existing.c_str(), 0444), 0);
  result = WriteDocument(context, resources::Product::Orvanta, pages, existing);
  EXPECT_EQ(result.outcome, WriteResult::Outcome::NotWritten);
  EXPECT_FALSE(result.detail.empty());
  EXPECT_EQ(Read(existing), "old bytes");
}

}  // namespace
}  // namespace cadmira::document
