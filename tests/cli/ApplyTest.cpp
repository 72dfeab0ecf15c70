#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

TEST(Apply, RoundTripOfShowGivesAFileDiffFindsEqual) {
  TempFolder folder;
  const std::string file = folder.Path("a.xml");
  ASSERT_EQ(RunCommand({"new", "--product", "orvanta", "--doc-version", "10.2", file}).status, 0);
  ASSERT_EQ(
      RunCommand({"set", file, "GPOAppendMode=on", "SafeReadingMode=enabled", "MainFrameName=Viewer \"Q\""}).status, 0);
  ASSERT_EQ(RunCommand({"set", file, "disableTessadoc=on", "StatusBar=hide", "--hide-plugin", "Mine.zpi",
                        "--hide-ribbon", "/File_Main_Save"})
                .status,
            0);
  const CliRun shown = RunCommand({"show", "--json", file});
  ASSERT_EQ(shown.status, 0);
  const std::string manifest = folder.Write("m.json", shown.out);

  const CliRun applied = RunCommand({"apply", manifest, folder.Path("b.xml")});
  EXPECT_EQ(applied.status, 0);
  EXPECT_EQ(applied.err, "");
  const CliRun diff = RunCommand({"diff", file, folder.Path("b.xml")});
  EXPECT_EQ(diff.status, 0);
  EXPECT_EQ(diff.out, "");
  // The page view alone does as well, from standard input, and plain.
  const std::string pages = nlohmann::json::parse(shown.out)["pages"].dump();
  EXPECT_EQ(RunCommand({"apply", "--plain", "-", folder.Path("c.xml")}, pages).status, 0);
  EXPECT_EQ(RunCommand({"diff", file, folder.Path("c.xml")}).status, 0);
  EXPECT_EQ(ReadFile(folder.Path("c.xml")).rfind("<ZandorOrvantaPDF version=\"10.2\"", 0), 0u);
}

TEST(Apply, LeavesUnnamedSettingsAtTheirDefault) {
  TempFolder folder;
  const std::string out = folder.Path("a.xml");
  ASSERT_EQ(RunCommand({"apply", "--product", "reader", "-", out}, R"({"settings": {"startpage": "on"}})").status, 0);
  const nlohmann::json pages = nlohmann::json::parse(RunCommand({"show", "--json", out}).out)["pages"];
  EXPECT_EQ(pages["product"], "reader");
  EXPECT_EQ(pages["version"], "9.0.0");
  EXPECT_EQ(pages["settings"]["StartPage"], "on");
  EXPECT_EQ(pages["settings"]["SafeReadingMode"], "default");
  EXPECT_EQ(pages["hiddenPlugins"], nlohmann::json::array());
}

TEST(Apply, RefusesWhatThePagesDoNotHaveAndWritesNothing) {
  struct Row {
    std::vector<std::string> options;
    std::string manifest;
    std::string err;
  };
  const Row rows[] = {
      {{}, "{}", "-: the manifest names no product; give --product\n"},
      {{"--product", "orvanta"},
       R"({"product": "reader"})",
       "-: the manifest is for Zandor Reader, not for Zandor OrvantaPDF\n"},
      {{}, R"({"product": "acrobat"})", "-: \"product\" must be \"reader\" or \"orvanta\", not \"acrobat\"\n"},
      {{}, "{\"product\": \"reader\", \"colour\": 1}", "-: unknown key \"colour\" in the manifest\n"},
      {{}, "[1, 2]", "-: the manifest is not a JSON object\n"},
      {{}, "{\"product\": ", "-: the manifest is not JSON\n"},
      {{}, R"({"pages": null, "form": "plain"})", "-: the manifest is not a JSON object\n"},
      {{},
       R"({"product": "reader", "settings": {"Nope": "on"}})",
       "-: unknown setting \"Nope\" of Zandor Reader (cadmira-cli settings lists them)\n"},
      {{},
       R"({"product": "reader", "settings": {"StartPage": true}})",
       "-: the value of \"StartPage\" must be a string\n"},
      {{},
       R"({"product": "reader", "settings": {"StartPage": "on", "STARTPAGE": "off"}})",
       "-: the setting \"STARTPAGE\" is given twice\n"},
      {{},
       R"({"product": "reader", "settings": ["StartPage"]})",
       "-: \"settings\" must be an object of names and values\n"},
      {{}, R"({"product": "reader", "hiddenPlugins": "a.zpi"})", "-: \"hiddenPlugins\" must be an array of strings\n"},
      {{},
       R"({"product": "reader", "hiddenPlugins": ["a.txt"]})",
       "-: \"a.txt\" is not a plug-in file name (NAME.zpi, without a folder or \";\")\n"},
      {{}, R"({"product": "reader", "hiddenRibbon": [""]})", "-: the ribbon of Zandor Reader has no \"\"\n"},
      {{}, R"({"product": "reader", "hiddenRibbon": [7]})", "-: every item of \"hiddenRibbon\" must be a string\n"},
      {{}, R"({"product": "reader", "version": ""})", "Please enter the version!\n"},
  };
  TempFolder folder;
  const std::string out = folder.Write("out.xml", "kept");
  for (const Row& row : rows) {
    std::vector<std::string> args{"apply", "-", out};
    args.insert(args.end(), row.options.begin(), row.options.end());
    const CliRun run = RunCommand(args, row.manifest);
    EXPECT_EQ(run.status, 1) << row.manifest;
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(ReadFile(out), "kept");
  }
}

}  // namespace
}  // namespace cadmira::cli
