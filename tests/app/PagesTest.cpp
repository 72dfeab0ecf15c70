#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

#include <cstring>

#include "base/XmlTree.h"
#include "framework/ProfileStore.h"
#include "framework/TreeView.h"
#include "pages/preferences/Preferencedlg.h"
#include "pages/ribbon/Ribbondlg.h"
#include "tests/framework/TempProfile.h"

namespace cadmira::pages {
namespace {

XmlTreePtr Parse(const char* text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text), std::strlen(text)));
}

class RibbonPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(page.Create(&owner));
    tree = page.RibbonTree();
    ASSERT_NE(tree, nullptr);
    tabs = page.InsertRibbonItem(u"TabElements", u"");
    touch = page.InsertRibbonItem(u"Touch", u"File_Main_InputMode_Touch", tabs);
    home = page.InsertRibbonItem(u"Home", u"Ribbon_Category_Home");
    first = page.InsertRibbonItem(u"Main", u"Home_Panel", home);
    twin = page.InsertRibbonItem(u"Main again", u"Home_Panel", home);
    save = page.InsertRibbonItem(u"Save", u"Save", first);
    open = page.InsertRibbonItem(u"Open", u"Open", first);
    twinSave = page.InsertRibbonItem(u"Save", u"Save", twin);
  }

  QWidget owner;
  CRibbondlg page;
  framework::TreeView* tree = nullptr;
  QTreeWidgetItem *tabs, *touch, *home, *first, *twin, *save, *open, *twinSave;
};

TEST_F(RibbonPageTest, TextsComeFromTheStringTable) {
  EXPECT_EQ(page.item<QLabel>(1028)->text(), QStringLiteral("Ribbon Options:"));
  EXPECT_EQ(page.item<QGroupBox>(1026)->title(), QStringLiteral("Description"));
  EXPECT_EQ(page.item<QPlainTextEdit>(1025)->toPlainText(),
            QStringLiteral("Check any configuration item of this Ribbon, the corresponding Ribbon will be hidden."));
}

TEST_F(RibbonPageTest, AChecksGoesDownToEveryChildAndUpWhereAllChildrenAre) {
  page.PropagateCheck(first, true);
  EXPECT_TRUE(tree->Checked(save) && tree->Checked(open));
  EXPECT_FALSE(tree->Checked(home));  // its other panel is unchecked
  page.PropagateCheck(twinSave, true);
  EXPECT_TRUE(tree->Checked(twin));
  EXPECT_TRUE(tree->Checked(home));
  page.PropagateCheck(open, false);
  EXPECT_FALSE(tree->Checked(first));
  EXPECT_FALSE(tree->Checked(home));
  page.ClearRibbonChecks();
  for (QTreeWidgetItem* item : {tabs, touch, home, first, twin, save, open, twinSave}) EXPECT_FALSE(tree->Checked(item));
}

TEST_F(RibbonPageTest, ALoadedSectionChecksTheNamedItemsFollowingTheFirstMatchingSibling) {
  const XmlTreePtr root = Parse(
      "<Reader><Profstore><RibbonUI>"
      "<TabElements><Control Name=\"file_main_inputmode_touch\" Visible=\"0\"/></TabElements>"
      "<Category Name=\"RIBBON_CATEGORY_HOME\"><Panel Name=\"home_panel\"><Control Name=\"Save\" Visible=\"0\"/>"
      "<Control Name=\"Missing\" Visible=\"0\"/></Panel></Category>"
      "</RibbonUI></Profstore></Reader>");
  ASSERT_NE(root, nullptr);
  page.ApplyRibbonSection(root.get());
  EXPECT_TRUE(tree->Checked(touch));
  EXPECT_TRUE(tree->Checked(tabs));  // its only child is checked
  EXPECT_TRUE(tree->Checked(save));
  EXPECT_FALSE(tree->Checked(twinSave));
  EXPECT_FALSE(tree->Checked(open));
  EXPECT_TRUE(first->isExpanded() && home->isExpanded());
  EXPECT_FALSE(twin->isExpanded());
}

TEST_F(RibbonPageTest, NoTreeOrNoSectionChecksNothing) {
  page.ApplyRibbonSection(nullptr);
  const XmlTreePtr root = Parse("<Reader><Profstore><Preferences/></Profstore></Reader>");
  page.ApplyRibbonSection(root.get());
  for (QTreeWidgetItem* item : {tabs, touch, home, first, twin, save, open, twinSave}) EXPECT_FALSE(tree->Checked(item));
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
