#include "app/CadmiraApp.h"

#include <gtest/gtest.h>

#include "tests/app/StartArguments.h"

namespace cadmira::app {
namespace {

TEST(StartFileTest, OnlyASingleArgumentIsTheStartFile) {
  struct Case {
    QStringList arguments;
    QString expected;
  };
  const Case cases[] = {
      {{QStringLiteral("cadmira")}, QString()},
      {{QStringLiteral("cadmira"), QStringLiteral("/tmp/a b.xml")}, QStringLiteral("/tmp/a b.xml")},
      {{QStringLiteral("cadmira"), QStringLiteral("-x")}, QStringLiteral("-x")},
      {{QStringLiteral("cadmira"), QStringLiteral("a.xml"), QStringLiteral("b.xml")}, QString()},
      {{}, QString()},
  };
  for (const Case& c : cases) EXPECT_EQ(StartFileFromArguments(c.arguments), c.expected) << c.arguments.join(' ').toStdString();
}

TEST(StartFileTest, QtsOwnOptionsAreNotCounted) {
  EXPECT_EQ(StartFileFromArguments(QCoreApplication::arguments()), QString::fromLatin1(kStartFile));
}

TEST(CadmiraAppTest, SettingsLiveUnderCadmiraAndTheExecutablesName) {
  EXPECT_EQ(QCoreApplication::organizationName(), QStringLiteral("Cadmira"));
  EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("app_tests"));
}

}  // namespace
}  // namespace cadmira::app
