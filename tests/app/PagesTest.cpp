#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <cstring>

#include "base/XmlTree.h"
#include "framework/ProfileStore.h"
#include "framework/TreeView.h"
#include "pages/plugins/Pluginsdlg.h"
#include "pages/preferences/Preferencedlg.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::pages {
namespace {

XmlTreePtr Parse(const char* text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text), std::strlen(text)));
}

TEST(PluginsPageTest, ALoadedListChecksExactlyItsNamesIgnoringCase) {
  TempProfile profile;
  QWidget owner;
  CPluginsdlg page;
  ASSERT_TRUE(page.Create(&owner));
  framework::TreeView* tree = page.PluginTree();
  QTreeWidgetItem* hidden = page.InsertPluginItem(u"Hidden", u"Hidden.zpi");
  QTreeWidgetItem* shown = page.InsertPluginItem(u"Shown", u"Shown.zpi");
  QTreeWidgetItem* twice = page.InsertPluginItem(u"Hidden too", u"HIDDEN.ZPI");
  tree->SetChecked(shown, true);
  EXPECT_EQ(page.Record(twice)->PIPath, u"HIDDEN.ZPI");

  const XmlTreePtr none = Parse("<Reader><Profstore><Plugins/></Profstore></Reader>");
  page.ApplyPluginSection(none.get());  // no Plugin element: every mark stays
  EXPECT_TRUE(tree->Checked(shown));

  const XmlTreePtr root = Parse(
      "<Reader><Profstore><Plugins><Plugin UnloadPluginArray=\"hidden.zpi;unknown.zpi;last.zpi\"/></Plugins>"
      "</Profstore></Reader>");
  page.ApplyPluginSection(root.get());
  EXPECT_TRUE(tree->Checked(hidden));
  EXPECT_TRUE(tree->Checked(twice));
  EXPECT_FALSE(tree->Checked(shown));
  EXPECT_EQ(tree->topLevelItemCount(), 3);
}

TEST(PluginsPageTest, TheDescriptionFollowsTheProduct) {
  TempProfile profile;
  QWidget owner;
  CPluginsdlg orvanta;
  ASSERT_TRUE(orvanta.Create(&owner));
  EXPECT_TRUE(orvanta.item<QPlainTextEdit>(1025)->toPlainText().contains(QStringLiteral("Zandor OrvantaPDF")));
  EXPECT_EQ(orvanta.item<QLabel>(1029)->text(), QStringLiteral("Plugin List:"));
  framework::WriteProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 1);
  CPluginsdlg reader;
  ASSERT_TRUE(reader.Create(&owner));
  EXPECT_TRUE(reader.item<QPlainTextEdit>(1025)->toPlainText().contains(QStringLiteral("Zandor Reader\\plugins")));
}

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
