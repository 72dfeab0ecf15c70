#include "framework/ProfileStore.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "tests/framework/TempProfile.h"

namespace cadmira::framework {
namespace {

class ProfileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { QCoreApplication::setApplicationName(QStringLiteral("framework_tests")); }
  QString ConfigFile() const { return m_profile.Path() + QStringLiteral("/Cadmira/framework_tests.conf"); }
  void WriteRaw(const QByteArray& text) {
    QDir().mkpath(QFileInfo(ConfigFile()).path());
    QFile file(ConfigFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
  }

  TempProfile m_profile;
};

TEST_F(ProfileStoreTest, AbsentValuesReadAsTheDefault) {
  EXPECT_EQ(ProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 49001), 49001);
  EXPECT_EQ(ProfileString(QStringLiteral("AddReaderPlugins"), QStringLiteral("x"), QStringLiteral("d")),
            QStringLiteral("d"));
  EXPECT_TRUE(ProfileEntries(QStringLiteral("AddReaderPlugins")).isEmpty());
}

TEST_F(ProfileStoreTest, WritesReachTheFileAtOnce) {
  ASSERT_TRUE(WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1));
  QFile file(ConfigFile());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("verid=1"));
  EXPECT_EQ(ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0), 1);
}

TEST_F(ProfileStoreTest, NamesIgnoreAsciiCaseAndKeepTheirFirstSpelling) {
  ASSERT_TRUE(WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1));
  ASSERT_TRUE(WriteProfileInt(QStringLiteral("VERSIONS"), QStringLiteral("VerID"), 7));
  EXPECT_EQ(ProfileInt(QStringLiteral("versions"), QStringLiteral("VERID"), 0), 7);
  EXPECT_EQ(ProfileEntries(QStringLiteral("Versions")), QStringList{QStringLiteral("verid")});
  // Only ASCII letters fold: these two stay apart.
  ASSERT_TRUE(WriteProfileString(QStringLiteral("S"), QStringLiteral("\u00e9"), QStringLiteral("small")));
  ASSERT_TRUE(WriteProfileString(QStringLiteral("S"), QStringLiteral("\u00c9"), QStringLiteral("capital")));
  EXPECT_EQ(ProfileString(QStringLiteral("S"), QStringLiteral("\u00e9")), QStringLiteral("small"));
  EXPECT_EQ(ProfileEntries(QStringLiteral("S")).size(), 2);
}

TEST_F(ProfileStoreTest, AnyNameComesBackExactlyInWritingOrder) {
  const QString section = QStringLiteral("AddReaderPlugins");
  const QStringList names = {QStringLiteral("zeta"),
                             QStringLiteral("a/b"),
                             QStringLiteral("c\\d"),
                             QString(),
                             QStringLiteral("\u63d2\u4ef6 one"),
                             QStringLiteral("_0041"),
                             QStringLiteral("%U=;#[x]"),
                             QStringLiteral("Alpha")};
  for (const QString& name : names) ASSERT_TRUE(WriteProfileString(section, name, name + QStringLiteral(".zpi")));
  EXPECT_EQ(ProfileEntries(section), names);
  for (const QString& name : names)
    EXPECT_EQ(ProfileString(section, name), name + QStringLiteral(".zpi")) << name.toStdString();
  ASSERT_TRUE(DeleteProfileEntry(section, QStringLiteral("A/B")));
  QStringList remaining = names;
  remaining.removeAt(1);
  EXPECT_EQ(ProfileEntries(section), remaining);
  ASSERT_TRUE(DeleteProfileSection(section.toLower()));
  EXPECT_TRUE(ProfileEntries(section).isEmpty());
}

TEST_F(ProfileStoreTest, GarbageReadsAsTheDefault) {
  WriteRaw(
      "[Versions]\n"
      "verid=Reader\n"
      "[Languages]\n"
      "langid=99999999999999\n"
      "[Other]\n"
      "small=-2147483648\n"
      "big=2147483648\n"
      "spaced=12 34\n"
      "empty=\n");
  EXPECT_EQ(ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0), 0);
  EXPECT_EQ(ProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), 49001), 49001);
  EXPECT_EQ(ProfileInt(QStringLiteral("Other"), QStringLiteral("small"), 5), -2147483647 - 1);
  EXPECT_EQ(ProfileInt(QStringLiteral("Other"), QStringLiteral("big"), 5), 5);
  EXPECT_EQ(ProfileInt(QStringLiteral("Other"), QStringLiteral("spaced"), 5), 5);
  EXPECT_EQ(ProfileInt(QStringLiteral("Other"), QStringLiteral("empty"), 5), 5);
}

TEST_F(ProfileStoreTest, ABinaryFileNeitherCrashesNorAnswers) {
  QByteArray noise;
  for (int i = 0; i < 4096; ++i) noise.append(static_cast<char>((i * 7919) & 0xff));
  WriteRaw(noise);
  EXPECT_EQ(ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 3), 3);
}

TEST_F(ProfileStoreTest, AnUnwritableFolderFailsTheWrite) {
  // A plain file where the settings folder belongs: no permission bit can help, even for root.
  QFile blocker(m_profile.Path() + QStringLiteral("/Cadmira"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1));
  EXPECT_EQ(ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0), 0);
}

TEST(ProfileNameTest, EncodingIsReversibleAndForeignKeysAreRefused) {
  const QStringList names = {QString(),
                             QStringLiteral("langid"),
                             QStringLiteral("a b"),
                             QStringLiteral("/"),
                             QStringLiteral("\\"),
                             QStringLiteral("\u4e2d\u6587"),
                             QStringLiteral("__"),
                             QString(QChar(0xd800))};
  for (const QString& name : names) {
    const QString key = EncodeProfileName(name);
    for (const QChar c : key) EXPECT_TRUE(c.isLetterOrNumber() || c == QLatin1Char('_')) << key.toStdString();
    EXPECT_EQ(DecodeProfileName(key), name) << key.toStdString();
  }
  EXPECT_EQ(EncodeProfileName(QStringLiteral("a/b")), QStringLiteral("a_002fb"));
  for (const char* foreign : {"", "_order", "a_12", "a_12g4", "x-y", "_0_"}) {
    EXPECT_EQ(DecodeProfileName(QString::fromLatin1(foreign)), std::nullopt) << foreign;
  }
}

}  // namespace
}  // namespace cadmira::framework
