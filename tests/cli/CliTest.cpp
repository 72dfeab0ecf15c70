#include "tests/cli/CliRun.h"

#include "cli/CliApp.h"
#include "resources/Version.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace cadmira::cli {
namespace {

TEST(CliTree, PrintsTheTreeIndented) {
  const CliRun run =
      RunCommand({"tree", "-"}, "<?xml version='1.0'?><x:R a='1' x:b=\"q&quot;\"><P/>  hi <Q><S/></Q></x:R>");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "x:R a=\"1\" x:b=\"q\\\"\"\n  P\n  \"hi\"\n  Q\n    S\n");
  EXPECT_EQ(run.err, "");
}

TEST(CliTree, PrintsJsonInDocumentOrder) {
  const CliRun run = RunCommand({"tree", "--json", "-"}, "<x:R a='1' x:b='2'>t<P/></x:R>");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(
      run.out,
      "{\"prefix\": \"x\", \"tag\": \"R\", \"attributes\": [{\"prefix\": \"\", \"name\": \"a\", \"value\": \"1\"}, "
      "{\"prefix\": \"x\", \"name\": \"b\", \"value\": \"2\"}], \"children\": [{\"text\": \"t\"}, "
      "{\"prefix\": \"\", \"tag\": \"P\", \"attributes\": [], \"children\": []}]}\n");
}

TEST(CliTree, EscapesNamesAndValuesInJson) {
  struct Row {
    const char* rule;
    std::string xml;
    const char* expected;
  };
  const Row rows[] = {
      {"valid UTF-8 names stay as they are", "<\xE4\xB8\xAD/>", "\"tag\": \"\xE4\xB8\xAD\""},
      {"invalid names escape every high byte", "<\xE4\xB8\xAD\xFD/>", "\"tag\": \"\\u00e4\\u00b8\\u00ad\\u00fd\""},
      {"an unpaired surrogate becomes U+FFFD", "<a v='&#xD800;x'/>", "\"value\": \"\xEF\xBF\xBDx\""},
      {"U+0000 is escaped", "<a v='&bogus;'/>", "\"value\": \"\\u0000\""},
      {"a surrogate pair becomes UTF-8", "<a v='&#x1F600;'/>", "\"value\": \"\xF0\x9F\x98\x80\""},
      {"quotes, backslashes and controls", "<a v='\"\\&#9;&#10;&#1;'/>", "\"value\": \"\\\"\\\\\\t\\n\\u0001\""},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCommand({"tree", "--json", "-"}, row.xml);
    EXPECT_EQ(run.status, 0) << row.rule;
    EXPECT_NE(run.out.find(row.expected), std::string::npos) << row.rule << ": " << run.out;
  }
}

TEST(CliTree, RefusesWhatIsNotXml) {
  for (const std::string& input : std::vector<std::string>{"", "plain text", "<a n=1>", std::string("<\0a\0>\0", 6)}) {
    const CliRun run = RunCommand({"tree", "-"}, input);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The format of xml is error.\n");
  }
}

TEST(CliTree, ReadsFilesAndReportsUnreadableOnes) {
  TempFolder folder;
  const std::string path = folder.Write("a.xml", "<a/>");
  EXPECT_EQ(RunCommand({"tree", path}).out, "a\n");
  const CliRun missing = RunCommand({"tree", folder.Path("missing.xml")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "cannot read " + folder.Path("missing.xml") + ": No such file or directory\n");
  const CliRun folderInput = RunCommand({"tree", folder.Path("")});
  EXPECT_EQ(folderInput.status, 2);
  EXPECT_EQ(folderInput.err, "cannot read " + folder.Path("") + ": Is a directory\n");
}

// Counts what is written instead of keeping it, so that a huge output costs no memory.
class CountingBuffer : public std::streambuf {
 public:
  std::size_t m_count = 0;
  std::string m_tail;

 protected:
  int_type overflow(int_type c) override {
    if (c != traits_type::eof()) {
      Keep(static_cast<char>(c));
    }
    return c;
  }
  std::streamsize xsputn(const char* text, std::streamsize count) override {
    for (std::streamsize i = 0; i < count; ++i) {
      Keep(text[i]);
    }
    return count;
  }

 private:
  void Keep(char c) {
    ++m_count;
    m_tail += c;
    if (m_tail.size() > 8) {
      m_tail.erase(0, 1);
    }
  }
};

TEST(CliTree, PrintsDeeplyNestedDocuments) {
  constexpr std::size_t kDepth = 200000;
  std::string xml;
  for (std::size_t i = 0; i < kDepth; ++i) {
    xml += "<a>";
  }
  std::istringstream in(xml);
  CountingBuffer counter;
  std::ostream out(&counter);
  std::ostringstream err;
  EXPECT_EQ(RunCommandOn({"tree", "--json", "-"}, in, out, err), 0);
  const std::string element = "{\"prefix\": \"\", \"tag\": \"a\", \"attributes\": [], \"children\": [";
  EXPECT_EQ(counter.m_count, kDepth * (element.size() + 2) + 1);
  EXPECT_EQ(counter.m_tail, "}]}]}]}\n");
}

TEST(CliSeal, SealsWithTheFileKeyAndUnsealsBack) {
  TempFolder folder;
  const std::string zeros(16, '\0');
  const std::string in = folder.Write("zeros", zeros);
  const CliRun sealed = RunCommand({"seal", "--force", in, "-"});
  EXPECT_EQ(sealed.status, 0);
  // The keystream of "Qelvar Sealed Ledger Archive", worked out independently.
  const unsigned char keystream[] = {0x20, 0x35, 0xb3, 0xf4, 0x50, 0x2d, 0x0d, 0x77,
                                     0xc7, 0xb4, 0xed, 0xa8, 0xf8, 0x4e, 0xcf, 0xfd};
  EXPECT_EQ(sealed.out, std::string(reinterpret_cast<const char*>(keystream), sizeof keystream));

  const std::string plain = "<ZandorReader><Profstore/></ZandorReader>";
  const std::string source = folder.Write("plain.xml", plain);
  ASSERT_EQ(RunCommand({"seal", source, folder.Path("sealed.xml")}).status, 0);
  const std::string sealedBytes = ReadFile(folder.Path("sealed.xml"));
  EXPECT_EQ(sealedBytes.size(), plain.size());
  EXPECT_NE(sealedBytes, plain);
  const CliRun unsealed = RunCommand({"unseal", "-", folder.Path("back.xml")}, sealedBytes);
  EXPECT_EQ(unsealed.status, 0);
  EXPECT_EQ(ReadFile(folder.Path("back.xml")), plain);
  EXPECT_EQ(RunCommand({"unseal", "--force", "-", "-"}, "").out, "");
}

TEST(CliSeal, ReportsFilesItCannotReadOrWrite) {
  TempFolder folder;
  const std::string in = folder.Write("in", "abc");
  const CliRun noFolder = RunCommand({"seal", "--force", in, folder.Path("none/out")});
  EXPECT_EQ(noFolder.status, 2);
  EXPECT_EQ(noFolder.err, "cannot write " + folder.Path("none/out") + ": No such file or directory\n");
  EXPECT_FALSE(std::filesystem::exists(folder.Path("none")));
  const CliRun noInput = RunCommand({"unseal", folder.Path("missing"), folder.Path("out")});
  EXPECT_EQ(noInput.status, 2);
  EXPECT_FALSE(std::filesystem::exists(folder.Path("out")));
}

TEST(CliSeal, RefusesInputItIsNotMeantForUnlessForced) {
  TempFolder folder;
  const std::string plain = "<ZandorOrvantaPDF version=\"1\"><Profstore/></ZandorOrvantaPDF>";
  const std::string source = folder.Write("plain.xml", plain);
  ASSERT_EQ(RunCommand({"seal", source, folder.Path("sealed.xml")}).status, 0);
  const std::string sealed = ReadFile(folder.Path("sealed.xml"));

  struct Row {
    std::vector<std::string> args;
    std::string input;
    std::string error;
  };
  const Row rows[] = {
      {{"seal", folder.Path("sealed.xml"), folder.Path("out")},
       "",
       folder.Path("sealed.xml") + " is not a plain configuration file of Zandor Reader or Zandor OrvantaPDF; "
                                   "--force seals it all the same\n"},
      {{"seal", "-", folder.Path("out")},
       "<Settings/>",
       "the standard input is not a plain configuration file of Zandor Reader or Zandor OrvantaPDF; "
       "--force seals it all the same\n"},
      {{"unseal", source, folder.Path("out")},
       "",
       source + " does not unseal into a configuration file of Zandor Reader or Zandor OrvantaPDF; "
                "--force unseals it all the same\n"},
  };
  for (const Row& row : rows) {
    const CliRun run = RunCommand(row.args, row.input);
    EXPECT_EQ(run.status, 1) << row.error;
    EXPECT_EQ(run.err, row.error);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("out")));
  }
  // Forced, the raw pass runs either way.
  ASSERT_EQ(RunCommand({"seal", "--force", folder.Path("sealed.xml"), folder.Path("twice")}).status, 0);
  EXPECT_EQ(ReadFile(folder.Path("twice")), plain);
  ASSERT_EQ(RunCommand({"unseal", "--force", source, folder.Path("noise")}).status, 0);
  EXPECT_EQ(ReadFile(folder.Path("noise")), sealed);
}

// A stream whose every write fails, like standard output on a full disk or a closed descriptor.
class FailingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type) override { return traits_type::eof(); }
  std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(CliApp, OutputThatCannotBeWrittenIsAFailure) {
  TempFolder folder;
  const std::string file = folder.Write("a.xml", "<ZandorReader version=\"1\"><Profstore/></ZandorReader>");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{"tree", file},
                                                                                    {"tree", "--json", file},
                                                                                    {"show", file},
                                                                                    {"show", "--json", file},
                                                                                    {"unseal", "--force", file, "-"}}) {
    std::istringstream in;
    FailingBuffer failing;
    std::ostream out(&failing);
    std::ostringstream err;
    EXPECT_EQ(RunCommandOn(args, in, out, err), 2) << args[0];
    EXPECT_EQ(err.str(), "cannot write the standard output\n");
  }
}

TEST(CliApp, AnswersHelpVersionAndUsageErrors) {
  const CliRun version = RunCommand({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("cadmira-cli ") + resources::kFileVersion + "\n");

  const CliRun help = RunCommand({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* verb : {"tree", "seal", "unseal"}) {
    EXPECT_NE(help.out.find(std::string("  ") + verb + " "), std::string::npos) << verb;
  }
  for (const char* verb : {"tree", "show"}) {
    EXPECT_NE(RunCommand({verb, "--help"}).out.find("valid UTF-8, with U+FFFD in place of a lone surrogate"),
              std::string::npos)
        << verb;
  }

  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {}, {"tree"}, {"seal", "a"}, {"frobnicate"}, {"tree", "--bogus", "x"}, {"tree", "a", "b"}}) {
    const CliRun run = RunCommand(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.empty());
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

}  // namespace
}  // namespace cadmira::cli
