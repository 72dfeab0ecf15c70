#include <algorithm>
#include <sstream>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

std::vector<std::string> Names(const std::string& product) {
  const nlohmann::json listing = nlohmann::json::parse(RunCommand({"settings", "--json", "--product", product}).out);
  std::vector<std::string> names;
  for (const nlohmann::json& setting : listing["settings"]) names.push_back(setting["name"]);
  return names;
}

TEST(Settings, NamesEveryControlOfTheProductInCatalogueOrder) {
  const std::vector<std::string> shared = {
      "SuppressSetDefDlg",         "CustomLanguage.Mode",        "CustomLanguage.DefaultLanguage",
      "DefaultReader.Mode",        "DefaultReader.Write",        "StatusBar",
      "RMSSetting.SaveAsCopyName", "RMSSetting.EncryptMetadata", "RMSSetting.ForbidViewInBrowser",
      "RMSSetting.AllowSaveAs",    "UserManualLocalPath",        "DisableUpdate",
      "UseMicrosoftIRMV1",         "RMSInteroperability",        "CollectTDOCData",
      "AutoConvertTessadoc",       "OfficeAutoConvertTessadoc",  "disableTessadoc",
      "ReadmodeInBrowser",         "CollapsedBubbleMsg",         "CollectData",
      "CommentsFilterIgnoreReply", "SendCrashDocument",          "TDOCServer",
      "InternetConnection",        "CheckApp.CheckAppName",      "CheckApp.CheckAppSignature"};
  std::vector<std::string> reader = {"StartPage",
                                     "SafeReadingMode",
                                     "MainFrameName",
                                     "AboutDlg.Copyright",
                                     "AboutDlg.CopyrightContent",
                                     "AboutDlg.BackGroundPath",
                                     "Advertise.Rool",
                                     "Advertise.Time",
                                     "Advertise.Disable"};
  std::vector<std::string> orvanta(reader.begin(), reader.begin() + 6);
  orvanta.push_back("GPOAppendMode");
  reader.insert(reader.end(), shared.begin(), shared.end());
  orvanta.insert(orvanta.end(), shared.begin(), shared.end());
  EXPECT_EQ(Names("reader"), reader);
  EXPECT_EQ(Names("orvanta"), orvanta);
}

TEST(Settings, GivesValuesWhatTheyWriteAndThePagesTexts) {
  const CliRun run = RunCommand({"settings"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(
      run.out.find("CollapsedBubbleMsg  default|disabled|enabled\n"
                   "    default: Mode=\"\"\n"
                   "    disabled: Mode=\"1\"\n"
                   "    enabled: Mode=\"0\"\n"
                   "  Notification Messages\n"
                   "    Choose 'Disabled' to turn off the automatic expansion of notification messages that prompt "
                   "users to use OCR, fill forms, etc.\n"
                   "\n"
                   "    Choose 'Enabled' to automatically expand notification messages.\n"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("Advertise.Time  text\n    text: Time=\"the text\"\n  Advertisement\n"), std::string::npos);

  const nlohmann::json orvanta = nlohmann::json::parse(RunCommand({"settings", "--json", "--product", "orvanta"}).out);
  EXPECT_EQ(orvanta["product"], "orvanta");
  const nlohmann::json& about = orvanta["settings"][3];
  EXPECT_EQ(about["name"], "AboutDlg.Copyright");
  EXPECT_EQ(about["values"], nullptr);
  EXPECT_EQ(about["row"], "About Zandor OrvantaPDF");
  EXPECT_EQ(about["dialog"], 151);
  EXPECT_EQ(about["control"], 1070);
  const nlohmann::json& status = orvanta["settings"][12];
  EXPECT_EQ(status["name"], "StatusBar");
  EXPECT_EQ(status["values"], nlohmann::json::array({"default", "auto-hide", "show", "hide"}));
  EXPECT_EQ(status["writes"]["auto-hide"], nlohmann::json({{"Mode", "2"}, {"Write", "0"}}));
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Every plug-in and ribbon path listed is one that `set` takes, so that completion offers only
// names that work.
TEST(Settings, ListsThePluginsAndRibbonPathsThatSetHides) {
  for (const std::string product : {"reader", "orvanta"}) {
    SCOPED_TRACE(product);
    const CliRun plugins = RunCommand({"settings", "--product", product, "--plugins"});
    const CliRun ribbon = RunCommand({"settings", "--product", product, "--ribbon"});
    ASSERT_EQ(plugins.status, 0);
    ASSERT_EQ(ribbon.status, 0);
    const std::vector<std::string> pluginNames = Lines(plugins.out);
    const std::vector<std::string> ribbonPaths = Lines(ribbon.out);
    EXPECT_NE(std::find(pluginNames.begin(), pluginNames.end(), "Stamps.zpi"), pluginNames.end());
    EXPECT_NE(std::find(ribbonPaths.begin(), ribbonPaths.end(), "/File_Main_Save"), ribbonPaths.end());
    EXPECT_NE(std::find(ribbonPaths.begin(), ribbonPaths.end(), "Ribbon_Category_View/View_Panel_ViewSetting"),
              ribbonPaths.end());
    EXPECT_EQ(std::find(ribbonPaths.begin(), ribbonPaths.end(), ""), ribbonPaths.end());

    TempFolder folder;
    const std::string file = folder.Path("p.xml");
    ASSERT_EQ(RunCommand({"new", "--product", product, "--doc-version", "11.0", file}).status, 0);
    std::vector<std::string> set = {"set", file};
    for (const std::string& name : pluginNames) set.insert(set.end(), {"--hide-plugin", name});
    for (const std::string& path : ribbonPaths) set.insert(set.end(), {"--hide-ribbon", path});
    const CliRun run = RunCommand(set);
    EXPECT_EQ(run.status, 0) << run.err;
    const nlohmann::json pages = nlohmann::json::parse(RunCommand({"show", "--json", file}).out)["pages"];
    EXPECT_EQ(pages["hiddenPlugins"].get<std::vector<std::string>>(), pluginNames);
  }
  EXPECT_NE(RunCommand({"settings", "--ribbon"}).out, RunCommand({"settings", "--product", "orvanta", "--ribbon"}).out);
  EXPECT_EQ(RunCommand({"settings", "--plugins", "--ribbon"}).status, 2);
}

TEST(ShowPages, GivesWhatFreshPagesShowAfterTheLoad) {
  TempFolder folder;
  const std::string file = folder.Write(
      "a.xml", ReaderFile("<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"0\"/>"
                          "<Preference Text=\"StatusBar\" Write=\"\" Mode=\"2\"/>"
                          "<Preference Text=\"TDOCServer\" String=\"https://t\"/>",
                          "<Plugins><Plugin UnloadPluginArray=\"Unlisted.zpi;Comments.zpi;\"/></Plugins>"
                          "<RibbonUI><TabElements><Control Name=\"File_Main_Save\" Visible=\"0\"/></TabElements>"
                          "<Category Name=\"Nope\" Visible=\"0\"/></RibbonUI>"));
  const CliRun run = RunCommand({"show", "--json", file});
  ASSERT_EQ(run.status, 0);
  const nlohmann::json pages = nlohmann::json::parse(run.out)["pages"];
  EXPECT_EQ(pages["product"], "reader");
  EXPECT_EQ(pages["version"], "9.0");
  EXPECT_EQ(pages["settings"].size(), 36u);
  EXPECT_EQ(pages["settings"]["SafeReadingMode"], "enabled");
  // A value no rule reads leaves the fresh page's default.
  EXPECT_EQ(pages["settings"]["StatusBar"], "default");
  EXPECT_EQ(pages["settings"]["TDOCServer"], "https://t");
  EXPECT_EQ(pages["hiddenPlugins"], nlohmann::json::array({"Comments.zpi", "Unlisted.zpi"}));
  EXPECT_EQ(pages["hiddenRibbon"], nlohmann::json::array({"/File_Main_Save"}));

  const CliRun text = RunCommand({"show", file});
  EXPECT_NE(text.out.find("pages:\n  product: reader\n  version: \"9.0\"\n  settings:\n    StartPage = \"off\"\n"),
            std::string::npos);
  EXPECT_NE(text.out.find("  hiddenRibbon: 1\n    \"/File_Main_Save\"\n"), std::string::npos);
  // A file of neither product has no pages.
  const CliRun other = RunCommand({"show", "--json", folder.Write("o.xml", "<Profile/>")});
  EXPECT_NE(other.out.find("\"pages\": null}"), std::string::npos);
}

TEST(ShowPages, AnEmptyNameInTheHiddenListIsNoPlugin) {
  TempFolder folder;
  const std::string file = folder.Write(
      "a.xml", ReaderFile("", "<Plugins><Plugin UnloadPluginArray=\"Unlisted.zpi;;Comments.zpi;;\"/></Plugins>"));
  const CliRun run = RunCommand({"show", "--json", file});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(nlohmann::json::parse(run.out)["pages"]["hiddenPlugins"],
            nlohmann::json::array({"Comments.zpi", "Unlisted.zpi"}));
}

}  // namespace
}  // namespace cadmira::cli
