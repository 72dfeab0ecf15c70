#include <gtest/gtest.h>

#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

TEST(Diff, ComparesFilesAsThePagesShowThem) {
  TempFolder folder;
  // Different texts that the pages show alike: case, order, a value no rule reads, sealing.
  const std::string a =
      folder.Write("a.xml", ReaderFile("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>"
                                       "<Preference Text=\"CollectData\" Mode=\"7\"/>",
                                       "<Plugins><Plugin UnloadPluginArray=\"a.zpi;Comments.zpi;\"/></Plugins>"));
  const std::string b =
      folder.Write("b.xml", ReaderFile("<Preference Text=\"startpage\" Mode=\"0\" Disable=\"1\"/>",
                                       "<Plugins><Plugin UnloadPluginArray=\"comments.zpi;A.ZPI;\"/></Plugins>"));
  ASSERT_EQ(RunCommand({"seal", b, folder.Path("b.sealed")}).status, 0);
  const CliRun same = RunCommand({"diff", a, folder.Path("b.sealed")});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "");
  EXPECT_EQ(same.err, "");
}

TEST(Diff, ReportsEachDifferenceInTextAndJson) {
  TempFolder folder;
  const std::string a = folder.Write("a.xml", ReaderFile("<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"0\"/>",
                                                         "<Plugins><Plugin UnloadPluginArray=\"x.zpi;\"/></Plugins>"));
  const std::string b = folder.Write(
      "b.xml",
      "<ZandorReader version=\"9.1\"><Profstore><Preferences>"
      "<Preference Text=\"MainFrameName\" Title=\"Mine\"/></Preferences>"
      "<Plugins><Plugin UnloadPluginArray=\"y.zpi;\"/></Plugins><RibbonUI>"
      "<Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\"><Control "
      "Name=\"View_Setting_StatusBar\" Visible=\"0\"/></Panel></Category></RibbonUI></Profstore></ZandorReader>");
  const CliRun text = RunCommand({"diff", a, b});
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(
      text.out,
      "version: \"9.0\" -> \"9.1\"\n"
      "MainFrameName: \"\" -> \"Mine\"\n"
      "StatusBar: \"hide\" -> \"default\"\n"
      "hidden plug-in only in A: \"x.zpi\"\n"
      "hidden plug-in only in B: \"y.zpi\"\n"
      "hidden ribbon element only in B: \"Ribbon_Category_View/View_Panel_ViewSetting/View_Setting_StatusBar\"\n");
  const CliRun json = RunCommand({"diff", "--json", a, b});
  EXPECT_EQ(json.status, 1);
  EXPECT_EQ(json.out,
            "{\"same\": false, \"product\": null, \"version\": [\"9.0\", \"9.1\"], \"settings\": [{\"name\": "
            "\"MainFrameName\", \"a\": \"\", \"b\": \"Mine\"}, {\"name\": \"StatusBar\", \"a\": \"hide\", \"b\": "
            "\"default\"}], \"hiddenPlugins\": {\"onlyA\": [\"x.zpi\"], \"onlyB\": [\"y.zpi\"]}, \"hiddenRibbon\": "
            "{\"onlyA\": [], \"onlyB\": [\"Ribbon_Category_View/View_Panel_ViewSetting/View_Setting_StatusBar\"]}}\n");
  EXPECT_EQ(RunCommand({"diff", "--json", a, a}).out,
            "{\"same\": true, \"product\": null, \"version\": null, \"settings\": [], \"hiddenPlugins\": {\"onlyA\": "
            "[], \"onlyB\": []}, \"hiddenRibbon\": {\"onlyA\": [], \"onlyB\": []}}\n");
}

TEST(Diff, NamesTheProductsAndTheSettingsOnlyOneHas) {
  TempFolder folder;
  const std::string a = folder.Write("a.xml", ReaderFile(""));
  const std::string b = folder.Write("b.xml", OrvantaFile(""));
  const CliRun run = RunCommand({"diff", a, b});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "product: reader -> orvanta\n"
            "Advertise.Rool: \"off\" -> (none)\n"
            "Advertise.Time: \"\" -> (none)\n"
            "Advertise.Disable: \"off\" -> (none)\n"
            "GPOAppendMode: (none) -> \"off\"\n");
}

TEST(Diff, FilesItCannotCompareAreExitTwo) {
  TempFolder folder;
  const std::string a = folder.Write("a.xml", ReaderFile(""));
  const std::string other = folder.Write("o.xml", "<Profile/>");
  const CliRun run = RunCommand({"diff", a, other});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(
      run.err,
      other +
          ": This XML is not used in Zandor OrvantaPDF and Zandor Reader, please use the right one and try again.\n");
  EXPECT_EQ(RunCommand({"diff", folder.Path("missing.xml"), a}).status, 2);
}

}  // namespace
}  // namespace cadmira::cli
