#include "document/ReadConfigFile.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "document/DocumentWriter.h"
#include "document/MapPageControls.h"
#include "document/Seal.h"
#include "document/SealedWrite.h"
#include "tests/support/TempFolder.h"

namespace cadmira::document {
namespace {

namespace fs = std::filesystem;

class ReadConfigFile_ : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = (m_folder / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string Sealed(std::string bytes) {
    SealBuffer(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    return bytes;
  }

  // A file that must be readable, whether or not it parses.
  static ConfigFile Read(const std::string& path, ReadForms forms) {
    Result<ConfigFile> file = ReadConfigFile(path, forms);
    EXPECT_TRUE(file.ok()) << (file.ok() ? std::string() : file.error().message);
    return file.ok() ? std::move(file).value() : ConfigFile{};
  }

  TempFolder m_temp;
  const fs::path m_folder = m_temp.Folder();
};

const std::string kReaderFile = "<ZandorReader version=\"1\" Edition=\"Enterprise\"><Profstore/></ZandorReader>";

TEST_F(ReadConfigFile_, ReadsEachFormItAccepts) {
  const std::string plain = Write("plain.xml", kReaderFile);
  const std::string sealed = Write("sealed.xml", Sealed(kReaderFile));

  ConfigFile file = Read(plain, ReadForms::PlainOnly);
  ASSERT_TRUE(file.Root());
  EXPECT_EQ(file.form, FileForm::Plain);
  EXPECT_EQ(file.product, resources::Product::Reader);

  file = Read(sealed, ReadForms::PlainThenSealed);
  ASSERT_TRUE(file.Root());
  EXPECT_EQ(file.form, FileForm::Sealed);
  EXPECT_EQ(file.product, resources::Product::Reader);

  // Dropped files and the start file are read plain only.
  EXPECT_FALSE(Read(sealed, ReadForms::PlainOnly).Root());
}

TEST_F(ReadConfigFile_, APlainRootOfNeitherProductStillComesBack) {
  const std::string path = Write("other.xml", "<zandororvantapdf/>");
  ConfigFile file = Read(path, ReadForms::PlainThenSealed);
  ASSERT_TRUE(file.Root());
  EXPECT_EQ(file.product, resources::Product::Orvanta) << "root names compare ignoring case";

  file = Read(Write("foreign.xml", "<Settings><Profstore/></Settings>"), ReadForms::PlainThenSealed);
  ASSERT_TRUE(file.Root());
  EXPECT_EQ(file.form, FileForm::Plain);
  EXPECT_FALSE(file.product);
}

TEST_F(ReadConfigFile_, BadInputGivesNoTreeAndNoCrash) {
  std::string utf16 = "\xFF\xFE";
  for (char c : std::string("<ZandorReader/>")) utf16 += std::string{c, '\0'};
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) & 0xFF);
  const std::string inputs[] = {"", "not xml at all", utf16, "<", "<ZandorReader", "\xEF\xBB\xBF"};
  for (const std::string& input : inputs) {
    const std::string path = Write("bad.xml", input);
    EXPECT_FALSE(Read(path, ReadForms::PlainThenSealed).Root()) << input;
    EXPECT_FALSE(Read(path, ReadForms::PlainOnly).Root()) << input;
  }
  // Binary noise may parse in either form, but never as a configuration file.
  EXPECT_FALSE(Read(Write("noise.bin", binary), ReadForms::PlainThenSealed).product);
  EXPECT_FALSE(Read(kNullDevice, ReadForms::PlainThenSealed).Root());
}

TEST_F(ReadConfigFile_, NothingParsedIsReportedAsThePlainForm) {
  const ConfigFile file = Read(Write("bad.xml", "not xml at all"), ReadForms::PlainThenSealed);
  EXPECT_FALSE(file.Root());
  EXPECT_EQ(file.form, FileForm::Plain);
}

TEST_F(ReadConfigFile_, AFileThatCannotBeReadSaysWhy) {
  const std::pair<std::string, std::string> cases[] = {
      {(m_folder / "missing.xml").string(), "No such file or directory"},
      {m_folder.string(), "Is a directory"},
  };
  for (const auto& [path, reason] : cases) {
    const Result<ConfigFile> file = ReadConfigFile(path, ReadForms::PlainThenSealed);
    ASSERT_FALSE(file.ok()) << path;
    EXPECT_EQ(file.error().message, "cannot read " + path + ": " + reason);
  }
}

TEST_F(ReadConfigFile_, ATruncatedFileReadsWhatItHas) {
  const std::string whole = "<ZandorReader version=\"3\"><Profstore><Preferences><Preference Text=\"StartPage\"";
  ConfigFile file = Read(Write("cut.xml", whole), ReadForms::PlainThenSealed);
  ASSERT_TRUE(file.Root());
  EXPECT_EQ(file.product, resources::Product::Reader);
}

// Files as the window writes them, each a little different, like a set an administrator keeps.
std::vector<std::vector<unsigned char>> RealisticFiles(int count) {
  std::vector<std::vector<unsigned char>> files;
  for (int i = 0; i < count; ++i) {
    MapPageControls controls;
    controls.SetText(kPreferencesDialog, kVersionEdit,
                     u"10." + std::u16string(1, char16_t(u'0' + i % 10)) + u"." +
                         std::u16string(static_cast<std::size_t>(i % 7), u'1'));
    controls.SetChecked(172, 1052, i % 2 == 0);
    controls.SetComboIndex(178, 1069, i % 4);
    controls.SetText(175, 1073, std::u16string(static_cast<std::size_t>(i % 13), u'N'));
    controls.SetChecked(238, 1046, i % 3 == 0);
    std::vector<std::u16string> plugins;
    for (int p = 0; p < i % 5; ++p) plugins.push_back(u"Plugin" + std::u16string(1, char16_t(u'A' + p)) + u".zpi");
    std::vector<RibbonPath> ribbon;
    if (i % 6 == 1) ribbon.push_back({u"Ribbon_Category_Home", u"Home_Panel_Tools", u"Home_Tools_Hand"});
    CWriteContext context;
    FillDocument(context, resources::ProductFromNumber(i % 2), controls, plugins, ribbon);
    files.push_back(context.m_spXmlDoc->Serialize());
  }
  return files;
}

TEST_F(ReadConfigFile_, SealedFilesThatAlsoParseAsTheyAreAreStillRecognised) {
  int parsedAsTheyAre = 0;
  int index = 0;
  for (std::vector<unsigned char> bytes : RealisticFiles(600)) {
    const resources::Product product = resources::ProductFromNumber(index++ % 2);
    SealBuffer(bytes.data(), bytes.size());
    if (XmlTreePtr(ParseDocument(bytes.data(), bytes.size()))) ++parsedAsTheyAre;
    const std::string path = Write("sealed.xml", std::string(bytes.begin(), bytes.end()));
    const ConfigFile file = Read(path, ReadForms::PlainThenSealed);
    ASSERT_TRUE(file.Root());
    EXPECT_EQ(file.form, FileForm::Sealed) << "file " << index;
    EXPECT_EQ(file.product, product) << "file " << index;
  }
  RecordProperty("sealedFilesParsingAsTheyAre", parsedAsTheyAre);
  // The set must hold the files that the plain reading alone would have misread.
  EXPECT_GT(parsedAsTheyAre, 0);
}

TEST_F(ReadConfigFile_, AWrittenFileReadsBackSealed) {
  CWriteContext context;
  MapPageControls controls;
  controls.SetText(kPreferencesDialog, kVersionEdit, u"9.0");
  FillDocument(context, resources::Product::Orvanta, controls, {}, {});
  const std::string path = (m_folder / "profstore.xml").string();
  ASSERT_TRUE(WriteDocumentFile(context.m_spXmlDoc.get(), path).ok());

  std::vector<unsigned char> expected = context.m_spXmlDoc->Serialize();
  SealBuffer(expected.data(), expected.size());
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> onDisk{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  EXPECT_EQ(onDisk, expected) << "the file is the sealed serialisation, byte for byte";

  const ConfigFile file = Read(path, ReadForms::PlainThenSealed);
  EXPECT_EQ(file.form, FileForm::Sealed);
  EXPECT_EQ(file.product, resources::Product::Orvanta);
  EXPECT_FALSE(Read(path, ReadForms::PlainOnly).product);
}

TEST_F(ReadConfigFile_, AFailedSealedWriteReportsAndKeepsTheOldFile) {
  const std::string path = Write("keep.xml", "old");
  fs::permissions(path, fs::perms::owner_read);
  CWriteContext context;
  ASSERT_TRUE(BuildDocument(context, resources::Product::Reader));
  EXPECT_FALSE(WriteDocumentFile(context.m_spXmlDoc.get(), path).ok());
  EXPECT_FALSE(WriteDocumentFile(nullptr, (m_folder / "new.xml").string()).ok());
  EXPECT_FALSE(fs::exists(m_folder / "new.xml"));
  std::ifstream in(path);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "old");
}

}  // namespace
}  // namespace cadmira::document
