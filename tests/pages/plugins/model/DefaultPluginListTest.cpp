#include "pages/plugins/model/DefaultPluginList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "base/XmlTree.h"
#include "resources/XmlResource.h"

namespace cadmira::pages {
namespace {

TEST(DefaultPluginListTest, TheListFollowsProductAndLanguage) {
  EXPECT_EQ(DefaultPluginResource(resources::Product::Reader, 49001), 246);
  EXPECT_EQ(DefaultPluginResource(resources::Product::Reader, 49007), 248);
  EXPECT_EQ(DefaultPluginResource(resources::Product::Orvanta, 49001), 244);
  EXPECT_EQ(DefaultPluginResource(resources::Product::Orvanta, 49007), 245);
  EXPECT_EQ(DefaultPluginResource(resources::ProductFromNumber(7), 49007), 245);  // every other product is the editor
  EXPECT_EQ(DefaultPluginResource(resources::Product::Reader, 49002), 0);
  EXPECT_EQ(DefaultPluginResource(resources::Product::Orvanta, 0), 0);
  EXPECT_TRUE(ReadDefaultPlugins(0).empty());
  EXPECT_EQ(AddedPluginSection(resources::Product::Reader), u"AddReaderPlugins");
  EXPECT_EQ(AddedPluginSection(resources::Product::Orvanta), u"AddOrvantaPlugins");
  EXPECT_EQ(AddedPluginSection(resources::ProductFromNumber(-3)), u"AddOrvantaPlugins");
}

bool Lists(const std::vector<PluginItem>& plugins, std::u16string_view fileName) {
  return std::any_of(plugins.begin(), plugins.end(), [&](const PluginItem& p) { return p.PIPath == fileName; });
}

TEST(DefaultPluginListTest, EveryEmbeddedListIsCompleteAndWellFormed) {
  struct Expected {
    int id;
    std::size_t count;
    bool byteOrderMark;
    std::u16string_view first;
  };
  for (const Expected& e : {Expected{246, 31, false, u"Comments"}, Expected{248, 30, true, u"评论"},
                            Expected{244, 45, false, u"Comments"}, Expected{245, 45, true, u"评论"}}) {
    SCOPED_TRACE(e.id);
    const auto bytes = resources::XmlResource(e.id);
    const std::string_view declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    EXPECT_EQ(text.substr(e.byteOrderMark ? 3 : 0, declaration.size()), declaration);
    const std::vector<PluginItem> plugins = ReadDefaultPlugins(e.id);
    ASSERT_EQ(plugins.size(), e.count);
    EXPECT_EQ(plugins.front().Name, e.first);
    for (const PluginItem& plugin : plugins) {
      EXPECT_FALSE(plugin.Name.empty());
      EXPECT_TRUE(plugin.PIPath.ends_with(u".zpi"));
      EXPECT_EQ(plugin.PIPath.find_first_of(u"/\\;"), std::u16string::npos);
    }
    for (std::u16string_view tessadoc : {u"TessadocPlugin.zpi", u"TessadocDRM.zpi", u"TDOCOCLink.zpi"}) {
      EXPECT_TRUE(Lists(plugins, tessadoc)) << "no Tessadoc plug-in";
    }
  }
  // The reader's English list names its signature plug-in twice; the others name each file once.
  const auto distinct = [](int id) {
    std::set<std::u16string> files;
    for (const PluginItem& plugin : ReadDefaultPlugins(id)) files.insert(plugin.PIPath);
    return files.size();
  };
  EXPECT_EQ(distinct(246), 30u);
  EXPECT_EQ(distinct(248), 30u);
  EXPECT_EQ(distinct(244), 45u);
  EXPECT_EQ(distinct(245), 45u);
}

TEST(DefaultPluginListTest, TheListsOfAProductAgreeOnTheirFilesAcrossLanguages) {
  const auto files = [](int id) {
    std::set<std::u16string> names;
    for (const PluginItem& plugin : ReadDefaultPlugins(id)) names.insert(plugin.PIPath);
    return names;
  };
  EXPECT_EQ(files(246), files(248));
  EXPECT_EQ(files(244), files(245));
  // The editor has every plug-in of the reader, and more.
  const std::set<std::u16string> reader = files(246);
  const std::set<std::u16string> editor = files(244);
  EXPECT_TRUE(std::includes(editor.begin(), editor.end(), reader.begin(), reader.end()));
}

TEST(DefaultPluginListTest, EveryChildElementIsAPluginWhateverItsTag) {
  const char text[] =
      "<DefaultPluginsList version=\"1\"> <Plugin Name=\"A &amp; B\" PIPath=\"ab.zpi\"/>text"
      "<Other PIPath=\"other.zpi\"/><Plugin Name=\"No file\"><Nested Name=\"x\"/></Plugin>"
      "<Plugin Name=\"A again\" PIPath=\"ab.zpi\"/></DefaultPluginsList>";
  const XmlTreePtr root(ParseDocument(reinterpret_cast<const unsigned char*>(text), sizeof text - 1));
  ASSERT_NE(root, nullptr);
  const std::vector<PluginItem> expected = {
      {u"A & B", u"ab.zpi"}, {u"", u"other.zpi"}, {u"No file", u""}, {u"A again", u"ab.zpi"}};
  EXPECT_EQ(DefaultPluginsOf(root.get()), expected);
  EXPECT_TRUE(DefaultPluginsOf(nullptr).empty());
}

}  // namespace
}  // namespace cadmira::pages
