#include <gtest/gtest.h>

#include "document/Seal.h"
#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

constexpr const char* kPreferences = "/ZandorReader/Profstore/Preferences";

TEST(Lint, FileTheEditorWroteHasNoFinding) {
  TempFolder folder;
  const std::string file = folder.Path("a.xml");
  ASSERT_EQ(RunCommand({"new", "--product", "orvanta", "--doc-version", "1", file}).status, 0);
  ASSERT_EQ(RunCommand({"set", file, "StatusBar=hide", "DisableUpdate=on", "disableTessadoc=on", "--hide-plugin",
                        "Stamps.zpi", "--hide-ribbon", "/File_Main_Save"})
                .status,
            0);
  const CliRun run = RunCommand({"lint", file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

TEST(Lint, ReportsEachThingTheEditorMisreadsWithItsCodeAndPlace) {
  struct Row {
    const char* rule;
    std::string file;
    std::string expected;
  };
  const std::string p = kPreferences;
  const Row rows[] = {
      {"plugins first",
       "<ZandorReader><Profstore><Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"\"/></Plugins>"
       "<Preferences/></Profstore></ZandorReader>",
       "/ZandorReader/Profstore/Plugins: section-order: Plugins comes first, so the editor reads it as the Preferences section\n"
       "/ZandorReader/Profstore/Preferences: section-order: Preferences is not the first section, so the editor ignores it\n"
       "/ZandorReader/Profstore/Plugins/Plugin: unexpected-tag: the editor reads Plugin by its Text as if it were a Preference\n"
       "/ZandorReader/Profstore/Plugins/Plugin: unknown-key: the editor ignores the unknown key \"Plugin\"\n"},
      {"another container", "<ZandorReader><Store><Preferences/></Store></ZandorReader>",
       "/ZandorReader/Store: section-order: the editor takes Store, the first element, as Profstore\n"},
      {"text first in Profstore", "<ZandorReader><Profstore>x<Preferences/></Profstore></ZandorReader>",
       "/ZandorReader/Profstore: section-order: Profstore begins with text, so the editor reads no preferences\n"
       "/ZandorReader/Profstore/Preferences: section-order: Preferences is not the first section, so the editor ignores it\n"},
      {"unknown and repeated sections", ReaderFile("", "<RibbonUI/><Extra/><ribbonui/>"),
       "/ZandorReader/Profstore/Extra: unknown-section: the editor ignores the section Extra\n"
       "/ZandorReader/Profstore/ribbonui: duplicate-section: the editor reads only the first ribbonui section\n"},
      {"text inside Preferences", ReaderFile("some text<Preference Text=\"DisableUpdate\" Disable=\"0\"/>"),
       p + ": text-in-preferences: the editor ignores the text \"some text\"\n"},
      {"unknown key and missing Text", ReaderFile("<Preference Text=\"Colour\"/><Preference Mode=\"1\"/>"),
       p + "/Preference[1]: unknown-key: the editor ignores the unknown key \"Colour\"\n" + p +
           "/Preference[2]: unknown-key: the editor ignores a Preference without Text\n"},
      {"a tag other than Preference", ReaderFile("<Pref Text=\"DisableUpdate\" Disable=\"0\"/>"),
       p + "/Pref: unexpected-tag: the editor reads Pref by its Text as if it were a Preference\n"},
      {"a setting given twice",
       ReaderFile(
           "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/><Preference Text=\"startpage\" Disable=\"\" Mode=\"\"/>"),
       p + "/Preference[2]: duplicate-setting: StartPage is given again (first at " + p +
           "/Preference[1]); the later one wins for every control both set\n"},
      {"attribute names are exact", ReaderFile("<Preference Text=\"DisableUpdate\" disable=\"0\" Colour=\"1\"/>"),
       p +
           "/Preference/@disable: unknown-attribute: DisableUpdate has no attribute disable, so the editor ignores it "
           "(names are matched exactly: Disable)\n" +
           p +
           "/Preference/@Colour: unknown-attribute: DisableUpdate has no attribute Colour, so the editor ignores it\n"},
      {"a check box value read as off", ReaderFile("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"\"/>"),
       p + "/Preference/@Disable: unmatched-value: StartPage: Disable=\"1\" Mode=\"\" matches no reading rule; the editor "
           "reads it as off\n"},
      {"a combo box value left as it was", ReaderFile("<Preference Text=\"StatusBar\" Write=\"\" Mode=\"2\"/>"),
       p + "/Preference/@Mode: unmatched-value: StatusBar: Mode=\"2\" Write=\"\" matches no reading rule; the editor "
           "leaves the control as it was (default on fresh pages)\n"},
      {"a combo box value read as default", ReaderFile("<Preference Text=\"CollectData\" Mode=\"yes\"/>"),
       p + "/Preference/@Mode: unmatched-value: CollectData: Mode=\"yes\" matches no reading rule; the editor reads it "
           "as default\n"},
      {"only 1 ticks a Tessadoc option",
       ReaderFile("<Preference Text=\"CollectTDOCData\" Mode=\"0\"/>"
                  "<Preference Text=\"AutoConvertTessadoc\" Mode=\"01\"/>"
                  "<Preference Text=\"disableTessadoc\" Mode=\"on\"/>"
                  "<Preference Text=\"OfficeAutoConvertTessadoc\" Mode=\"\"/>"),
       p +
           "/Preference[1]/@Mode: unmatched-value: CollectTDOCData: Mode=\"0\" is not 1, so the editor leaves the box as it "
           "was (off on fresh pages)\n" +
           p +
           "/Preference[3]/@Mode: unmatched-value: disableTessadoc: Mode=\"on\" is not 1, so the editor reads it as off\n"},
      {"values compare ignoring case", ReaderFile("<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"0\"/>"), ""},
      {"the other product's setting", ReaderFile("<Preference Text=\"GPOAppendMode\" Mode=\"1\"/>"),
       p + "/Preference: other-product-key: GPOAppendMode is a setting of Zandor OrvantaPDF: the editor keeps it on a "
           "page Zandor Reader does not show, and Save drops it\n"},
      {"HomePage is never read", ReaderFile("<Preference Text=\"HomePage\" Title=\"\" Url=\"https://example.org\"/>"),
       p + "/Preference/@Url: ignored-value: HomePage Url=\"https://example.org\" is never read, and Save writes it empty\n"},
      {"a plug-in name without its semicolon",
       ReaderFile("",
                  "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"Comments.zpi;STAMPS.ZPI;c.zpi\"/></Plugins>"),
       "/ZandorReader/Profstore/Plugins/Plugin/@UnloadPluginArray: plugin-without-semicolon: \"c.zpi\" has no \";\" "
       "after it, so the editor ignores it\n"},
      {"a hidden plug-in the product does not have",
       ReaderFile("",
                  "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"Upgrade.zpi;stamps.zpi;;In.house.zpi;\"/>"
                  "</Plugins>"),
       "/ZandorReader/Profstore/Plugins/Plugin/@UnloadPluginArray: unknown-plugin: \"Upgrade.zpi\" is not a default "
       "plug-in of Zandor Reader, so the editor lists it from the file, after the others\n"
       "/ZandorReader/Profstore/Plugins/Plugin/@UnloadPluginArray: unknown-plugin: \"In.house.zpi\" is not a default "
       "plug-in of Zandor Reader, so the editor lists it from the file, after the others\n"},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    const CliRun run = RunCommand({"lint", folder.Write("f.xml", row.file)});
    EXPECT_EQ(run.out, row.expected) << row.rule;
    EXPECT_EQ(run.status, row.expected.empty() ? 0 : 1) << row.rule;
    EXPECT_EQ(run.err, "") << row.rule;
  }
}

TEST(Lint, AFileThatEndsBeforeItsRootClosesIsTruncated) {
  const std::string whole = ReaderFile("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>");
  const std::string truncated =
      "/ZandorReader: truncated: the file ends before its root element is closed, so the editor reads only what "
      "comes before\n";
  struct Row {
    const char* rule;
    std::string file;
    bool sealed;
    std::string expected;
  };
  const Row rows[] = {
      {"whole, without a final line break", whole, false, ""},
      {"whole, sealed", whole, true, ""},
      {"an empty root", "<ZandorReader/>", false, ""},
      {"cut after a child's end tag", whole.substr(0, whole.find("</Profstore>")), false, truncated},
      {"cut inside the root's end tag", whole.substr(0, whole.size() - 1), false, truncated},
      {"cut in half and sealed", whole.substr(0, whole.find("</Preferences>")), true, truncated},
  };
  TempFolder folder;
  for (const Row& row : rows) {
    std::string bytes = row.file;
    if (row.sealed) document::SealBuffer(reinterpret_cast<unsigned char*>(bytes.data()), bytes.size());
    const CliRun run = RunCommand({"lint", folder.Write("f.xml", bytes)});
    EXPECT_EQ(run.out, row.expected) << row.rule;
    EXPECT_EQ(run.status, row.expected.empty() ? 0 : 1) << row.rule;
  }
}

TEST(Lint, RefusedFilesAreFindingsToo) {
  TempFolder folder;
  const std::string reader = folder.Write("r.xml", ReaderFile(""));
  const std::string other = folder.Write("o.xml", "<Profile><Profstore/></Profile>");
  const std::string broken = folder.Write("b.xml", "not xml at all");
  struct Row {
    std::vector<std::string> args;
    std::string expected;
  };
  const Row rows[] = {
      {{"lint", "--product", "orvanta", reader},
       "/ZandorReader: wrong-product: a file of Zandor Reader, which the editor for Zandor OrvantaPDF refuses\n"},
      {{"lint", other},
       "/Profile: unknown-root: This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one "
       "and try again.\n"},
      {{"lint", broken}, "/: unparsable: The format of xml is error. (neither as plain nor as sealed XML)\n"},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCommand(row.args);
    EXPECT_EQ(run.status, 1) << row.expected;
    EXPECT_EQ(run.out, row.expected);
  }
  EXPECT_EQ(RunCommand({"lint", "--product", "reader", reader}).status, 0);
}

TEST(Lint, PrintsJson) {
  TempFolder folder;
  const CliRun run = RunCommand({"lint", "--json", folder.Write("f.xml", ReaderFile("<Preference Text=\"Colour\"/>"))});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "{\"findings\": [{\"code\": \"unknown-key\", \"message\": \"the editor ignores the unknown key "
            "\\\"Colour\\\"\", \"where\": \"/ZandorReader/Profstore/Preferences/Preference\"}]}\n");
  EXPECT_EQ(RunCommand({"lint", "--json", folder.Write("g.xml", ReaderFile(""))}).out, "{\"findings\": []}\n");
}

TEST(Lint, UnreadableFileIsAUsageError) {
  TempFolder folder;
  const CliRun run = RunCommand({"lint", folder.Path("missing.xml")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "cannot read " + folder.Path("missing.xml") + ": No such file or directory\n");
}

}  // namespace
}  // namespace cadmira::cli
