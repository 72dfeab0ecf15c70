#include "document/DocumentBytes.h"

#include <gtest/gtest.h>

#include "document/DocumentWriter.h"
#include "tests/document/FakeDocumentPages.h"

namespace cadmira::document {
namespace {

TEST(DocumentBytesTest, FollowEveryPageAndComeBackWhenAnEditIsUndone) {
  FakeDocumentPages pages;
  const auto untouched = DocumentBytes(resources::Product::Reader, pages);
  ASSERT_TRUE(untouched);
  EXPECT_EQ(DocumentBytes(resources::Product::Reader, pages), untouched);
  EXPECT_NE(DocumentBytes(resources::Product::Orvanta, pages), untouched);

  pages.controls.SetText(kPreferencesDialog, kVersionEdit, u"12.0");
  EXPECT_NE(DocumentBytes(resources::Product::Reader, pages), untouched);
  pages.controls.SetText(kPreferencesDialog, kVersionEdit, u"");
  EXPECT_EQ(DocumentBytes(resources::Product::Reader, pages), untouched);

  pages.hiddenPlugins = {u"Stamps.zpi"};
  EXPECT_NE(DocumentBytes(resources::Product::Reader, pages), untouched);
  pages.hiddenPlugins.clear();
  pages.hiddenRibbon = {{u"Ribbon_Category_View"}};
  EXPECT_NE(DocumentBytes(resources::Product::Reader, pages), untouched);
  pages.hiddenRibbon.clear();
  // The Tessadoc box also writes its plug-ins.
  pages.controls.SetChecked(kTessadocDialog, kDisableTessadocCheck, true);
  EXPECT_NE(DocumentBytes(resources::Product::Reader, pages), untouched);
  pages.controls.SetChecked(kTessadocDialog, kDisableTessadocCheck, false);
  EXPECT_EQ(DocumentBytes(resources::Product::Reader, pages), untouched);
}

}  // namespace
}  // namespace cadmira::document
