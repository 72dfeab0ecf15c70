#include <gtest/gtest.h>

#include "tests/cli/CliRun.h"

namespace cadmira::cli {
namespace {

// Two files that differ in a setting of each kind, a ribbon element and a plug-in; the ribbon
// elements come in the tree's order.
class DiffWordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_a = m_folder.Path("a.xml");
    m_b = m_folder.Path("b.xml");
    ASSERT_EQ(RunCommand({"new", "--product", "reader", "--doc-version", "1", m_a}).status, 0);
    ASSERT_EQ(RunCommand({"set", m_a, "StartPage=on", "TDOCServer=https://t/", "--hide-ribbon", "Ribbon_Category_Share",
                          "-o", m_b, "--hide-plugin", "Stamps.zpi", "StatusBar=show"})
                  .status,
              0);
  }

  TempFolder m_folder;
  std::string m_a;
  std::string m_b;
};

TEST_F(DiffWordsTest, TextNamesRowsOptionsValuesAndTitlesAsThePagesShowThem) {
  const CliRun run = RunCommand({"diff", "--format", "text", m_a, m_b});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Differences\n\nA: " + m_a + "\nB: " + m_b +
                         "\n\n"
                         "Preferences\n"
                         "  Start Page\n    Option: Hide Start Page\n    A: not checked\n    B: checked\n"
                         "  Status Bar\n    Option: Status Bar\n    A: Default\n    B: Show status bar\n"
                         "  Default Tessadoc Server\n    Option: Server URL:\n    A: (empty)\n    B: https://t/\n"
                         "\n"
                         "Ribbon Set\n"
                         "  View \u203A View Setting \u203A Status Bar\n"
                         "    Name path: Ribbon_Category_View/View_Panel_ViewSetting/View_Setting_StatusBar\n"
                         "    A: shown\n    B: hidden\n"
                         "  Share\n    Name path: Ribbon_Category_Share\n    A: shown\n    B: hidden\n"
                         "\n"
                         "Plugins\n"
                         "  Stamps.zpi\n    Caption: Stamps\n    A: shown\n    B: hidden\n");
}

TEST_F(DiffWordsTest, MarkdownAndHtmlInChineseHoldTheSameRows) {
  const CliRun markdown = RunCommand({"diff", "--format", "markdown", "--lang", "zh", m_a, m_b});
  EXPECT_EQ(markdown.status, 1);
  EXPECT_NE(markdown.out.find("| 起始页 | 隐藏起始页 | 未选中 | 已选中 |\n"), std::string::npos) << markdown.out;
  EXPECT_NE(markdown.out.find("| 状态栏 | 状态栏 | 默认 | 显示状态栏 |\n"), std::string::npos);
  const CliRun html = RunCommand({"diff", "--format", "html", m_a, m_b});
  EXPECT_EQ(html.out.rfind("<!DOCTYPE html>\n", 0), 0u);
  EXPECT_NE(html.out.find("<tr><td><bdi>Stamps.zpi</bdi></td><td><bdi>Stamps</bdi></td><td><bdi>shown</bdi></td>"
                          "<td><bdi>hidden</bdi></td></tr>"),
            std::string::npos);
}

TEST_F(DiffWordsTest, TheSamePagesSaySoAndExitZero) {
  const CliRun run = RunCommand({"diff", "--format", "text", m_a, m_a});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Differences\n\nA: " + m_a + "\nB: " + m_a + "\n\n  Both show the same.\n");
}

TEST_F(DiffWordsTest, WithoutFormatTheOutputIsTheNamesAsBefore) {
  const CliRun run = RunCommand({"diff", m_a, m_b});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("StartPage: \"off\" -> \"on\"\n"), std::string::npos) << run.out;
  EXPECT_EQ(RunCommand({"diff", "--json", "--format", "text", m_a, m_b}).status, 2);
}

}  // namespace
}  // namespace cadmira::cli
