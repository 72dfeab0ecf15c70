#include "app/CadmiraApp.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "resources/Version.h"
#include "tests/app/StartArguments.h"

namespace cadmira::app {
namespace {

TEST(CommandLineTest, OneArgumentIsTheStartFileUnlessItAsksForAText) {
  using Action = CommandLine::Action;
  struct Case {
    QStringList arguments;
    Action action;
    QString startFile;
    StartFileRead read;
  };
  const QString a = QStringLiteral("a.xml");
  const QString program = QStringLiteral("cadmira");
  const Case cases[] = {
      {{program}, Action::RunWindow, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("/tmp/a b.xml")},
       Action::RunWindow,
       QStringLiteral("/tmp/a b.xml"),
       StartFileRead::Quiet},
      {{program, QStringLiteral("-x")}, Action::RunWindow, QStringLiteral("-x"), StartFileRead::Quiet},
      {{program, a, QStringLiteral("b.xml")}, Action::RunWindow, QString(), StartFileRead::Quiet},
      {{}, Action::RunWindow, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("--open"), a}, Action::RunWindow, a, StartFileRead::AsImport},
      {{program, QStringLiteral("--open"), QStringLiteral("--help")},
       Action::RunWindow,
       QStringLiteral("--help"),
       StartFileRead::AsImport},
      {{program, QStringLiteral("--open")}, Action::RunWindow, QStringLiteral("--open"), StartFileRead::Quiet},
      {{program, QStringLiteral("--open"), a, a}, Action::RunWindow, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("--help")}, Action::PrintHelp, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("--version")}, Action::PrintVersion, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("--help"), a}, Action::RunWindow, QString(), StartFileRead::Quiet},
      {{program, QStringLiteral("--HELP")}, Action::RunWindow, QStringLiteral("--HELP"), StartFileRead::Quiet},
  };
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    const std::string shown = c.arguments.join(' ').toStdString();
    EXPECT_EQ(line.action, c.action) << shown;
    EXPECT_EQ(line.startFile.path, c.startFile) << shown;
    EXPECT_EQ(line.startFile.read, c.read) << shown;
  }
}

TEST(CommandLineTest, QtsOwnOptionsAreNotCounted) {
  EXPECT_EQ(ParseCommandLine(QCoreApplication::arguments()).startFile.path, QString::fromLatin1(kStartFile));
}

std::string Printed(const CommandLine& line, bool& printed) {
  char* text = nullptr;
  std::size_t size = 0;
  std::FILE* out = ::open_memstream(&text, &size);
  printed = PrintInsteadOfWindow(line, out);
  std::fclose(out);
  std::string result(text, size);
  std::free(text);
  return result;
}

TEST(CommandLineTest, HelpAndVersionPrintTheirTextAndNothingElseDoes) {
  bool printed = false;
  const std::string help = Printed(ParseCommandLine({QStringLiteral("cadmira"), QStringLiteral("--help")}), printed);
  EXPECT_TRUE(printed);
  EXPECT_EQ(help.rfind("Usage: cadmira", 0), 0u) << help;
  EXPECT_NE(help.find("--open FILE"), std::string::npos) << help;
  EXPECT_EQ(help.back(), '\n');
  EXPECT_EQ(Printed(ParseCommandLine({QStringLiteral("cadmira"), QStringLiteral("--version")}), printed),
            std::string("cadmira ") + resources::kFileVersion + "\n");
  EXPECT_TRUE(printed);
  EXPECT_EQ(Printed(ParseCommandLine({QStringLiteral("cadmira"), QStringLiteral("a.xml")}), printed), "");
  EXPECT_FALSE(printed);
}

TEST(CommandLineTest, RawArgumentsAreTakenAsTheyStand) {
  const char* argv[] = {"cadmira", "--open", "/tmp/\xE6\x96\x87.xml"};
  EXPECT_EQ(RawArguments(3, const_cast<char**>(argv)),
            (QStringList{QStringLiteral("cadmira"), QStringLiteral("--open"), QStringLiteral("/tmp/\u6587.xml")}));
}

TEST(CadmiraAppTest, SettingsLiveUnderCadmiraAndTheExecutablesName) {
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Cadmira"));
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("app_tests"));
}

}  // namespace
}  // namespace cadmira::app
