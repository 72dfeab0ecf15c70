#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>

#include "framework/ProfileStore.h"
#include "pages/preferences/Preferencedlg.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::pages {
namespace {

TEST(PreferencesPageTest, TheVersionLabelFollowsTheProduct) {
  TempProfile profile;
  QWidget owner;
  CPreferencedlg orvanta;
  ASSERT_TRUE(orvanta.Create(&owner));
  EXPECT_EQ(orvanta.item<QLabel>(1010)->text(), QStringLiteral("Version of Zandor OrvantaPDF:"));
  EXPECT_EQ(orvanta.item<QGroupBox>(1027)->title(), QStringLiteral("Options"));
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1);
  CPreferencedlg reader;
  ASSERT_TRUE(reader.Create(&owner));
  EXPECT_EQ(reader.item<QLabel>(1010)->text(), QStringLiteral("Version of Zandor Reader:"));
}

}  // namespace
}  // namespace cadmira::pages
