#include "pages/plugins/model/PluginFileName.h"

#include <gtest/gtest.h>

namespace cadmira::pages {
namespace {

TEST(PluginFileNameTest, TheFileNameFollowsTheLastSeparatorOfEitherKind) {
  struct Case {
    std::u16string_view path, fileName, caption;
  };
  const Case cases[] = {
      {u"C:\\x\\Tool.zpi", u"Tool.zpi", u"Tool"},
      {u"D:\\tools\\My.Tool.zpi", u"My.Tool.zpi", u"My.Tool"},
      {u"/home/admin/plugins/Stamp.zpi", u"Stamp.zpi", u"Stamp"},
      {u"/mnt/share\\copied/from\\Windows.zpi", u"Windows.zpi", u"Windows"},
      {u"/opt/a.b/NoDot", u"NoDot", u""},
      {u"/opt/.zpi", u".zpi", u""},
      {u"Bare.zpi", u"Bare.zpi", u"Bare"},
      {u"/opt/ends/", u"", u""},
      {u"", u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PluginFileName(c.path), c.fileName);
    EXPECT_EQ(PluginCaption(c.fileName), c.caption);
    EXPECT_EQ(PluginFromPath(c.path), (PluginItem{std::u16string(c.caption), std::u16string(c.fileName)}));
  }
}

TEST(PluginFileNameTest, OnlyANameTheHiddenListCanCarryIsListable) {
  EXPECT_TRUE(IsListableFileName(u"Tool.zpi"));
  EXPECT_TRUE(IsListableFileName(u"NoDot"));
  EXPECT_FALSE(IsListableFileName(u""));
  EXPECT_FALSE(IsListableFileName(u"a;b.zpi"));
  EXPECT_FALSE(IsListableFileName(u"Tool.zpi;"));
}

}  // namespace
}  // namespace cadmira::pages
