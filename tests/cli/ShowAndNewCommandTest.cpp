#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliApp.h"
#include "tests/cli/CliRun.h"
#include "document/Seal.h"
#include "tests/support/TempFolder.h"

namespace cadmira::cli {
namespace {

namespace fs = std::filesystem;

std::string Example(const std::string& name) { return std::string(CADMIRA_SOURCE_DIR) + "/examples/" + name; }

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ShowAndNew : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
    return PathOf(name);
  }
  TempFolder m_temp;
  const fs::path m_folder = m_temp.Folder();
};

TEST_F(ShowAndNew, ShowsTheExamplesTheSameInBothForms) {
  for (const char* product : {"reader", "orvanta"}) {
    const CliRun plain = RunCommand({"show", "--json", Example(std::string(product) + "-profstore.xml")});
    const CliRun sealed = RunCommand({"show", "--json", Example(std::string(product) + "-profstore.sealed.xml")});
    ASSERT_EQ(plain.status, 0) << plain.err;
    ASSERT_EQ(sealed.status, 0) << sealed.err;
    nlohmann::json a = nlohmann::json::parse(plain.out);
    nlohmann::json b = nlohmann::json::parse(sealed.out);
    EXPECT_EQ(a["form"], "plain");
    EXPECT_EQ(b["form"], "sealed");
    EXPECT_EQ(a["product"], product);
    a.erase("form");
    b.erase("form");
    EXPECT_EQ(a, b);
  }
}

TEST_F(ShowAndNew, ShowPrintsOneKeyPerSectionOfTheFile) {
  const CliRun run = RunCommand({"show", "--json", Example("orvanta-profstore.sealed.xml")});
  ASSERT_EQ(run.status, 0);
  const nlohmann::json json = nlohmann::json::parse(run.out);
  std::vector<std::string> keys;
  for (const auto& item : json.items()) keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"UnloadPluginArray", "form", "hiddenPlugins", "hiddenRibbon", "pages",
                                            "preferences", "product", "root", "version"}));
  EXPECT_EQ(json["root"], "ZandorOrvantaPDF");
  EXPECT_EQ(json["version"], "12.0.1");
  ASSERT_EQ(json["preferences"].size(), 27u);
  EXPECT_EQ(json["preferences"][4], nlohmann::json::parse(R"({"Text": "GPOAppendMode",
      "attributes": [["Text", "GPOAppendMode"], ["Mode", "1"]]})"));
  EXPECT_EQ(json["UnloadPluginArray"], "Upgrade.zpi;TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
  EXPECT_EQ(json["hiddenPlugins"].size(), 4u);
  EXPECT_EQ(json["hiddenRibbon"], nlohmann::json::parse(R"([
      ["Ribbon_Category_View", "View_Panel_ViewSetting", "View_Setting_StatusBar"],
      ["Ribbon_Category_Edit", "Edit_Panel_Links"],
      ["Ribbon_Category_Edit", "Edit_Panel_Content", "Edit_Content_EditObject", "Edit_Content_ObjectImage"]])"));
}

TEST_F(ShowAndNew, ShowReportsFilesItCannotUse) {
  const CliRun foreign = RunCommand({"show", "--json", Write("foreign.xml", "<Settings a=\"1\"><x/></Settings>")});
  EXPECT_EQ(foreign.status, 1);
  const nlohmann::json json = nlohmann::json::parse(foreign.out);
  EXPECT_TRUE(json["product"].is_null());
  EXPECT_TRUE(json["UnloadPluginArray"].is_null());
  EXPECT_EQ(foreign.err,
            "This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one and try again.\n");
  const CliRun foreignText = RunCommand({"show", PathOf("foreign.xml")});
  EXPECT_EQ(foreignText.status, 1);
  EXPECT_NE(foreignText.out.find("\nproduct: none\n"), std::string::npos);

  const CliRun broken = RunCommand({"show", Write("broken.xml", "no markup here")});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.out, "");
  EXPECT_EQ(broken.err, "The format of xml is error.\n");

  const CliRun missing = RunCommand({"show", PathOf("missing.xml")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("missing.xml"), std::string::npos);
  const CliRun folder = RunCommand({"show", m_folder.string()});
  EXPECT_EQ(folder.status, 2);
  EXPECT_NE(folder.err.find("Is a directory"), std::string::npos);
}

TEST_F(ShowAndNew, ShowReadsStandardInput) {
  const std::string file = Content(Example("reader-profstore.sealed.xml"));
  const CliRun fromFile = RunCommand({"show", Example("reader-profstore.sealed.xml")});
  const CliRun fromInput = RunCommand({"show", "-"}, file);
  ASSERT_EQ(fromInput.status, 0) << fromInput.err;
  EXPECT_EQ(fromInput.out, fromFile.out);
}

TEST_F(ShowAndNew, ShowEscapesWhatJsonCannotHoldRaw) {
  const CliRun run = RunCommand({"show", "--json",
                                 Write("odd.xml",
                                       "<ZandorReader version=\"a&#9;&quot;&#0;&#xD800;\"><Profstore><Preferences>"
                                       "<Preference Text=\"\xE4\"/></Preferences></Profstore></ZandorReader>")});
  ASSERT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("\"version\": \"a\\t\\\"\\u0000\xEF\xBF\xBD\""), std::string::npos) << run.out;
  EXPECT_TRUE(nlohmann::json::accept(run.out));
}

TEST_F(ShowAndNew, NewWritesTheUntouchedDocumentSealedOrPlain) {
  ASSERT_EQ(RunCommand({"new", "--product", "reader", "--doc-version", "1.0", PathOf("sealed.xml")}).status, 0);
  ASSERT_EQ(RunCommand({"new", "--product", "reader", "--doc-version", "1.0", "--plain", PathOf("plain.xml")}).status,
            0);
  std::string sealed = Content(PathOf("sealed.xml"));
  const std::string plain = Content(PathOf("plain.xml"));
  ASSERT_EQ(sealed.size(), plain.size());
  EXPECT_NE(sealed, plain);
  document::SealBuffer(reinterpret_cast<unsigned char*>(sealed.data()), sealed.size());
  EXPECT_EQ(sealed, plain);
  EXPECT_EQ(plain.rfind("<ZandorReader version=\"1.0\" Edition=\"Enterprise\"><Profstore><Preferences>"
                        "<Preference Text=\"StartPage\" Disable=\"\" Mode=\"\"/>",
                        0),
            0u);

  const CliRun shown = RunCommand({"show", "--json", PathOf("sealed.xml")});
  ASSERT_EQ(shown.status, 0);
  const nlohmann::json json = nlohmann::json::parse(shown.out);
  EXPECT_EQ(json["preferences"].size(), 27u);
  EXPECT_EQ(json["UnloadPluginArray"], "");
  EXPECT_TRUE(json["hiddenRibbon"].empty());
}

TEST_F(ShowAndNew, NewRefusesTextThatAFileCannotCarry) {
  const std::pair<std::string, std::string> rows[] = {
      {"x\x01y", "cannot build the document: nodeValue: the text holds U+0001, which XML cannot carry\n"},
      {"x\x1B", "cannot build the document: nodeValue: the text holds U+001B, which XML cannot carry\n"},
      {"x\xFFy", "the version text is not valid UTF-8\n"},
      {"\xED\xA0\x80", "the version text is not valid UTF-8\n"},
  };
  for (const auto& [version, error] : rows) {
    const CliRun run = RunCommand({"new", "--product", "reader", "--doc-version", version, PathOf("out.xml")});
    EXPECT_EQ(run.status, 1) << error;
    EXPECT_EQ(run.err, error);
  }
  EXPECT_FALSE(fs::exists(PathOf("out.xml")));
  const CliRun tabbed =
      RunCommand({"new", "--product", "reader", "--doc-version", "1\t\xE4\xB8\xAD", PathOf("out.xml")});
  EXPECT_EQ(tabbed.status, 0) << tabbed.err;
}

TEST_F(ShowAndNew, NewRefusesABlankVersionAndWritesNothing) {
  for (const char* version : {"", "   ", "\t \n"}) {
    const CliRun run = RunCommand({"new", "--product", "orvanta", "--doc-version", version, PathOf("out.xml")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Please enter the version!\n");
  }
  EXPECT_FALSE(fs::exists(PathOf("out.xml")));
  EXPECT_EQ(RunCommand({"new", "--product", "zandor", "--doc-version", "1", PathOf("out.xml")}).status, 2);
  const CliRun unwritable =
      RunCommand({"new", "--product", "orvanta", "--doc-version", "1", PathOf("no/such/folder.xml")});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_FALSE(unwritable.err.empty());
}

TEST_F(ShowAndNew, NewWritesToStandardOutputForADash) {
  ASSERT_EQ(RunCommand({"new", "--product", "reader", "--doc-version", "11.0", "--plain", PathOf("plain.xml")}).status,
            0);
  for (const bool plain : {true, false}) {
    std::vector<std::string> args{"new", "--product", "reader", "--doc-version", "11.0", "-"};
    if (plain) args.insert(args.begin() + 5, "--plain");
    const CliRun run = RunCommand(args);
    ASSERT_EQ(run.status, 0) << run.err;
    std::string written = run.out;
    if (!plain) document::SealBuffer(reinterpret_cast<unsigned char*>(written.data()), written.size());
    EXPECT_EQ(written, Content(PathOf("plain.xml")));
  }
  EXPECT_FALSE(fs::exists("-"));
}

// The version box's rules are the window's, whichever command fills it.
TEST_F(ShowAndNew, NewAndSetRefuseTheSameVersions) {
  ASSERT_EQ(RunCommand({"new", "--product", "reader", "--doc-version", "1", PathOf("a.xml")}).status, 0);
  const std::pair<std::string, std::string> rows[] = {
      {"\xE3\x80\x80", "Please enter the version!\n"},
      {" \xC2\xA0\xE3\x80\x80\t", "Please enter the version!\n"},
      {"x\xFFy", "the version text is not valid UTF-8\n"},
  };
  for (const auto& [version, error] : rows) {
    const CliRun made = RunCommand({"new", "--product", "reader", "--doc-version", version, PathOf("out.xml")});
    EXPECT_EQ(made.status, 1) << error;
    EXPECT_EQ(made.err, error);
    const CliRun set = RunCommand({"set", PathOf("a.xml"), "--doc-version", version, "-o", PathOf("out.xml")});
    EXPECT_EQ(set.status, 1) << error;
    EXPECT_EQ(set.err, error);
  }
  EXPECT_FALSE(fs::exists(PathOf("out.xml")));
}

}  // namespace
}  // namespace cadmira::cli
