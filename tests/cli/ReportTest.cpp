#include <gtest/gtest.h>

#include <stdlib.h>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <thread>

#include "tests/cli/CliRun.h"
#include "tests/cli/SampleFiles.h"

namespace cadmira::cli {
namespace {

// A fixed day, so that the reports do not change with the date.
constexpr const char* kSourceDate = "1765324800";  // 2025-12-10

// Runs in the source folder, so that the reports name the examples as "examples/…".
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_previous = std::filesystem::current_path();
    std::filesystem::current_path(CADMIRA_SOURCE_DIR);
#ifdef _WIN32
    _putenv_s("SOURCE_DATE_EPOCH", kSourceDate);
#else
    setenv("SOURCE_DATE_EPOCH", kSourceDate, 1);
#endif
  }
  void TearDown() override {
#ifdef _WIN32
    _putenv_s("SOURCE_DATE_EPOCH", "");
#else
    unsetenv("SOURCE_DATE_EPOCH");
#endif
    std::filesystem::current_path(m_previous);
  }

 private:
  std::filesystem::path m_previous;
};

TEST_F(ReportTest, EachFormatOfEachExampleInEachLanguageIsExactlyTheExpectedText) {
  const char* examples[] = {"reader-profstore.xml", "orvanta-profstore.sealed.xml"};
  const std::pair<const char*, const char*> formats[] = {
      {"text", "txt"}, {"markdown", "md"}, {"html", "html"}, {"json", "json"}};
  for (const char* example : examples) {
    for (const char* lang : {"en", "zh"}) {
      for (const auto& [format, extension] : formats) {
        const std::string expected =
            ReadFile("tests/cli/reports/" + std::string(example) + '.' + lang + '.' + extension);
        ASSERT_FALSE(expected.empty()) << example << ' ' << lang << ' ' << format;
        const CliRun run =
            RunCommand({"report", "examples/" + std::string(example), "--format", format, "--lang", lang});
        EXPECT_EQ(run.status, 0) << example << ' ' << lang << ' ' << format;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(run.out, expected) << example << ' ' << lang << ' ' << format;
      }
    }
  }
}

TEST_F(ReportTest, TheDefaultIsEnglishTextOnStandardOutputAndOutWritesTheSameFile) {
  const CliRun text = RunCommand({"report", "examples/reader-profstore.xml"});
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out, ReadFile("tests/cli/reports/reader-profstore.xml.en.txt"));
  TempFolder folder;
  const std::string out = folder.Path("report.html");
  const CliRun written = RunCommand({"report", "examples/reader-profstore.xml", "--format", "html", "-o", out});
  EXPECT_EQ(written.status, 0);
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(ReadFile(out), ReadFile("tests/cli/reports/reader-profstore.xml.en.html"));
}

TEST_F(ReportTest, FindingsOfLintEndTheReportAndNothingIsSaidWithoutThem) {
  const CliRun run = RunCommand({"report", "-"},
                                ReaderFile("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\" Colour=\"red\"/>"));
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Findings\n  "), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("Colour"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("    Option: Hide Start Page\n    Value: checked\n    Untouched page: not checked\n"),
            std::string::npos);
  const CliRun clean =
      RunCommand({"report", "-"}, ReaderFile("<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>"));
  EXPECT_EQ(clean.out.find("Findings"), std::string::npos) << clean.out;
}

TEST_F(ReportTest, HostileTextsOfTheFileStayTextInEveryFormat) {
  const std::string hostile = "&lt;img src=x onerror=alert(1)&gt; &amp;&quot;|*_\xE2\x80\xAE&#1;";
  const std::string file =
      ReaderFile("<Preference Text=\"MainFrameName\" Title=\"" + hostile + "\"/>",
                 "<Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"&lt;b&gt;.zpi;\"/></Plugins>");
  const CliRun html = RunCommand({"report", "-", "--format", "html"}, file);
  EXPECT_EQ(html.status, 0);
  EXPECT_EQ(html.out.find("<img"), std::string::npos);
  EXPECT_EQ(html.out.find("<b>"), std::string::npos);
  EXPECT_NE(html.out.find("&lt;img src=x onerror=alert(1)&gt; &amp;&quot;|*_\xE2\x80\xAE\xE2\x90\x81"),
            std::string::npos);
  const CliRun markdown = RunCommand({"report", "-", "--format", "markdown"}, file);
  EXPECT_NE(markdown.out.find("\\<img src=x onerror=alert(1)\\> \\&\"\\|\\*\\_"), std::string::npos) << markdown.out;
}

TEST_F(ReportTest, BadInputGetsTheMessagesAndExitCodesOfShow) {
  struct Row {
    std::vector<std::string> args;
    std::string input;
  };
  const Row rows[] = {
      {{"missing.xml"}, ""},
      {{"-"}, "not xml at all"},
      {{"-"}, "<Other><Profstore/></Other>"},
  };
  for (const Row& row : rows) {
    std::vector<std::string> show{"show"};
    std::vector<std::string> report{"report"};
    show.insert(show.end(), row.args.begin(), row.args.end());
    report.insert(report.end(), row.args.begin(), row.args.end());
    const CliRun shown = RunCommand(show, row.input);
    const CliRun reported = RunCommand(report, row.input);
    EXPECT_EQ(reported.status, shown.status) << row.input;
    EXPECT_EQ(reported.err, shown.err) << row.input;
    EXPECT_NE(reported.status, 0);
  }
}

#ifndef _WIN32
TEST_F(ReportTest, AFifoIsReadToItsEnd) {
  TempFolder folder;
  const std::string fifo = folder.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string content = ReadFile("examples/reader-profstore.xml");
  std::thread writer([&] {
    std::ofstream out(fifo, std::ios::binary);
    out << content;
  });
  const CliRun run = RunCommand({"report", fifo, "--format", "json"});
  writer.join();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"Contoso PDF Viewer\""), std::string::npos);
}
#endif

}  // namespace
}  // namespace cadmira::cli
