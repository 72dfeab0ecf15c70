#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

// The page view of a file, as `show --json` gives it.
nlohmann::json Pages(const std::string& path) {
  const CliRun run = RunCommand({"show", "--json", path});
  EXPECT_EQ(run.status, 0) << run.err;
  return nlohmann::json::parse(run.out)["pages"];
}

std::string NewFile(const TempFolder& folder, const std::string& name, const std::string& product = "reader") {
  const std::string path = folder.Path(name);
  EXPECT_EQ(RunCommand({"new", "--product", product, "--doc-version", "11.0", path}).status, 0);
  return path;
}

TEST(Set, WritesWhatThePagesWouldShowSealed) {
  TempFolder folder;
  const std::string file = NewFile(folder, "a.xml");
  const CliRun run = RunCommand({"set", file, "startpage=ON", "CollapsedBubbleMsg=Disabled", "StatusBar=auto-hide",
                                 "AboutDlg.Copyright=(c) Us", "Advertise.Time=30", "--doc-version", "12.1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");

  const CliRun plain = RunCommand({"unseal", file, "-"});
  // The combo item's label picks the value, whatever the attribute says about it.
  EXPECT_NE(plain.out.find("<Preference Text=\"CollapsedBubbleMsg\" Mode=\"1\"/>"), std::string::npos);
  EXPECT_NE(plain.out.find("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>"), std::string::npos);
  EXPECT_NE(plain.out.find("<ZandorReader version=\"12.1\" Edition=\"Enterprise\">"), std::string::npos);
  // The status-bar choice hides its ribbon control, as Save does.
  EXPECT_NE(plain.out.find("<Control Name=\"View_Setting_StatusBar\" Visible=\"0\"/>"), std::string::npos);

  const nlohmann::json pages = Pages(file);
  EXPECT_EQ(pages["version"], "12.1");
  EXPECT_EQ(pages["settings"]["StartPage"], "on");
  EXPECT_EQ(pages["settings"]["CollapsedBubbleMsg"], "disabled");
  EXPECT_EQ(pages["settings"]["StatusBar"], "auto-hide");
  EXPECT_EQ(pages["settings"]["AboutDlg.Copyright"], "(c) Us");
  EXPECT_EQ(pages["hiddenRibbon"],
            nlohmann::json::array({"Ribbon_Category_View/View_Panel_ViewSetting/View_Setting_StatusBar"}));
}

TEST(Set, HidesAndShowsRibbonElementsWithThePagesPropagation) {
  TempFolder folder;
  const std::string file = NewFile(folder, "a.xml");
  const std::string panel = "Ribbon_Category_View/View_Panel_ViewSetting";
  ASSERT_EQ(RunCommand({"set", file, "--hide-ribbon", panel, "--show-ribbon", panel + "/View_Setting_Theme"}).status,
            0);
  // The panel is no longer whole, so each hidden control is written on its own.
  const nlohmann::json hidden = Pages(file)["hiddenRibbon"];
  EXPECT_EQ(hidden.size(), 5u);
  EXPECT_EQ(hidden[0], panel + "/View_Setting_Navigation");
  EXPECT_EQ(std::count(hidden.begin(), hidden.end(), panel + "/View_Setting_Theme"), 0);

  ASSERT_EQ(RunCommand({"set", file, "--hide-ribbon", panel + "/view_setting_theme"}).status, 0);
  EXPECT_EQ(Pages(file)["hiddenRibbon"], nlohmann::json::array({panel}));

  ASSERT_EQ(RunCommand({"set", file, "--hide-ribbon", "/File_Main_InputMode/File_Main_InputMode_Touch", "--hide-ribbon",
                        "/File_Main_InputMode/File_Main_InputMode_Mouse"})
                .status,
            0);
  EXPECT_EQ(Pages(file)["hiddenRibbon"], nlohmann::json::array({"/File_Main_InputMode", panel}));
}

TEST(Set, KeepsEveryPluginTheFileHidesAndAcceptsNewOnes) {
  TempFolder folder;
  const std::string file = folder.Write(
      "a.xml",
      ReaderFile("", "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"Own.zpi;comments.ZPI;\"/></Plugins>"));
  const CliRun run = RunCommand(
      {"set", file, "--hide-plugin", "Extra.zpi", "--hide-plugin", "Stamps.zpi", "--show-plugin", "COMMENTS.zpi"});
  ASSERT_EQ(run.status, 0);
  // A name the product lacks is written as given, with a word; the file's own one without.
  EXPECT_EQ(run.err, "note: Extra.zpi is not a default plug-in of Zandor Reader; it is hidden as given\n");
  // Default plug-ins in list order, then the added ones.
  EXPECT_EQ(Pages(file)["hiddenPlugins"], nlohmann::json::array({"Stamps.zpi", "Own.zpi", "Extra.zpi"}));
}

TEST(Set, SettingsMayFollowTheRepeatableOptions) {
  TempFolder folder;
  const std::string file = NewFile(folder, "a.xml");
  ASSERT_EQ(RunCommand({"set", file, "--hide-plugin", "a.zpi", "StartPage=on", "--hide-ribbon", "/File_Main_Save",
                        "DisableUpdate=on"})
                .status,
            0);
  const nlohmann::json pages = Pages(file);
  EXPECT_EQ(pages["settings"]["StartPage"], "on");
  EXPECT_EQ(pages["settings"]["DisableUpdate"], "on");
  EXPECT_EQ(pages["hiddenPlugins"], nlohmann::json::array({"a.zpi"}));
  EXPECT_EQ(pages["hiddenRibbon"], nlohmann::json::array({"/File_Main_Save"}));
}

TEST(Set, WritesToAnotherFileWithOutput) {
  TempFolder folder;
  const std::string file = NewFile(folder, "a.xml");
  const std::string before = ReadFile(file);
  ASSERT_EQ(RunCommand({"set", file, "DisableUpdate=on", "-o", folder.Path("b.xml")}).status, 0);
  EXPECT_EQ(ReadFile(file), before);
  EXPECT_EQ(Pages(folder.Path("b.xml"))["settings"]["DisableUpdate"], "on");
}

TEST(Set, ReportsWhatTheLoadDroppedOneLineEach) {
  TempFolder folder;
  const std::string file =
      folder.Write("a.xml", ReaderFile("<Preference Text=\"CollectData\" Mode=\"7\"/>",
                                       "<RibbonUI><Category Name=\"Ribbon_Category_Gone\" Visible=\"0\"/></RibbonUI>"));
  const CliRun run = RunCommand({"set", file});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "note: /ZandorReader/Profstore/Preferences/Preference/@Mode: CollectData: Mode=\"7\" matches no reading "
            "rule; the editor reads it as default\n"
            "note: /ZandorReader/Profstore/RibbonUI: the ribbon of Zandor Reader has no \"Ribbon_Category_Gone\", so "
            "the editor drops it\n");
  EXPECT_EQ(Pages(file)["hiddenRibbon"], nlohmann::json::array());
}

TEST(Set, SaysThatATruncatedFileLosesWhatCameAfterTheCut) {
  TempFolder folder;
  const std::string whole = ReaderFile("<Preference Text=\"CollectData\" Mode=\"1\"/>", "");
  const std::string file = folder.Write("a.xml", whole.substr(0, whole.find("</Profstore>")));
  const CliRun run = RunCommand({"set", file, "DisableUpdate=on"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "note: /ZandorReader: the file ends before its root element is closed, so the editor reads only what "
            "comes before\n");
  EXPECT_EQ(Pages(file)["settings"]["DisableUpdate"], "on");
  EXPECT_EQ(RunCommand({"set", file}).err, "");
}

TEST(Set, RefusalsLeaveTheFileByteForByte) {
  TempFolder folder;
  const std::string reader = NewFile(folder, "reader.xml");
  const std::string orvanta = NewFile(folder, "orvanta.xml", "orvanta");
  const std::string blank =
      folder.Write("blank.xml", "<ZandorReader version=\"  \"><Profstore><Preferences/></Profstore></ZandorReader>");
  const std::string slow = folder.Write(
      "slow.xml", ReaderFile("<Preference Text=\"Advertise\" FolderPath=\"\" Rool=\"1\" Time=\"0\" Disable=\"\"/>"));
  const std::string neither = folder.Write("neither.xml", "<Profile><Profstore/></Profile>");
  const std::string broken = folder.Write("broken.xml", "no xml here");
  struct Row {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const Row rows[] = {
      {{"set", reader, "Colour=red"},
       1,
       "unknown setting \"Colour\" of Zandor Reader (cadmira-cli settings lists them)\n"},
      {{"set", reader, "StartPage"}, 1, "expected NAME=VALUE, not \"StartPage\"\n"},
      {{"set", reader, "StartPage=yes"}, 1, "\"StartPage\" takes on or off, not \"yes\"\n"},
      {{"set", reader, "StatusBar=hidden"},
       1,
       "\"StatusBar\" takes default, auto-hide, show or hide, not \"hidden\"\n"},
      {{"set", reader, "GPOAppendMode=on"},
       1,
       "\"GPOAppendMode\" is a setting of Zandor OrvantaPDF, not of Zandor Reader\n"},
      {{"set", orvanta, "advertise.time=5"},
       1,
       "\"Advertise.Time\" is a setting of Zandor Reader, not of Zandor OrvantaPDF\n"},
      {{"set", reader, "HomePage=x"}, 1, "\"HomePage\" has no control on the Preferences page\n"},
      {{"set", reader, "DefaultReader=on"},
       1,
       "\"DefaultReader\" has several controls: DefaultReader.Mode, DefaultReader.Write\n"},
      {{"set", reader, "--hide-ribbon", "Ribbon_Category_View/Nope"},
       1,
       "the ribbon of Zandor Reader has no \"Ribbon_Category_View/Nope\"\n"},
      {{"set", reader, "--show-ribbon", "File_Main_Save"},
       1,
       "the ribbon of Zandor Reader has no \"File_Main_Save\"\n"},
      {{"set", reader, "--hide-plugin", "Tool.dll"},
       1,
       "\"Tool.dll\" is not a plug-in file name (NAME.zpi, without a folder or \";\")\n"},
      {{"set", reader, "--hide-plugin", "a;b.zpi"},
       1,
       "\"a;b.zpi\" is not a plug-in file name (NAME.zpi, without a folder or \";\")\n"},
      {{"set", reader, "--hide-plugin", "plugins/a.zpi"},
       1,
       "\"plugins/a.zpi\" is not a plug-in file name (NAME.zpi, without a folder or \";\")\n"},
      {{"set", reader, "--show-plugin", ".zpi"},
       1,
       "\".zpi\" is not a plug-in file name (NAME.zpi, without a folder or \";\")\n"},
      {{"set", reader, "--doc-version", " \t"}, 1, "Please enter the version!\n"},
      {{"set", blank, "StartPage=on"}, 1, "Please enter the version!\n"},
      {{"set", reader, "Advertise.Time=60001"}, 1, "The rolling time of advertisement is not between 1 and 60000s.\n"},
      {{"set", slow}, 1, "The rolling time of advertisement is not between 1 and 60000s.\n"},
      {{"set", reader, "--product", "orvanta"}, 1, reader + ": a file of Zandor Reader, not of Zandor OrvantaPDF\n"},
      {{"set", neither},
       1,
       neither +
           ": This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one and try again.\n"},
      {{"set", broken, "StartPage=on"}, 1, broken + ": The format of xml is error.\n"},
      {{"set", reader, "MainFrameName=bell\a"},
       1,
       "cannot build the document: nodeValue: the text holds U+0007, which XML cannot carry\n"},
  };
  for (const Row& row : rows) {
    const std::string& path = row.args[1];
    const std::string before = ReadFile(path);
    const CliRun run = RunCommand(row.args);
    EXPECT_EQ(run.status, row.status) << row.err;
    EXPECT_EQ(run.err, row.err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadFile(path), before) << row.err;
  }
  // The rolling time can be mended on the command line.
  EXPECT_EQ(RunCommand({"set", slow, "Advertise.Time=10"}).status, 0);
}

}  // namespace
}  // namespace cadmira::cli
