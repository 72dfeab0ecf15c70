#include "pages/plugins/model/PluginListModel.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "tests/pages/plugins/model/MemoryPluginStore.h"

namespace cadmira::pages {
namespace {

XmlTreePtr Parse(const std::string& text) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(text.data()), text.size()));
}

XmlTreePtr Hiding(const std::string& value) {
  return Parse("<Reader><Profstore><Preferences/><Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"" + value +
               "\"/></Plugins></Profstore></Reader>");
}

// Records what a view of the list would be told.
class RecordingObserver : public IPluginListObserver {
 public:
  void OnPluginInserted(std::size_t row) override { events.push_back("insert " + std::to_string(row)); }
  void OnPluginRemoved(std::size_t row) override { events.push_back("remove " + std::to_string(row)); }
  void OnPluginChecked(std::size_t row, bool checked) override {
    events.push_back((checked ? "check " : "uncheck ") + std::to_string(row));
  }
  std::vector<std::string> events;
};

// Defaults A.zpi, B.zpi, A.zpi again; then the stored Tool (tool.zpi) and NoDot.
class PluginListModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.kept = {{u"Tool", u"tool.zpi"}, {u"", u"NoDot"}};
    model.SetObserver(&observer);
    model.AppendDefault({u"Alpha", u"A.zpi"});
    model.AppendDefault({u"Beta", u"B.zpi"});
    model.AppendDefault({u"Alpha twice", u"A.zpi"});
    model.Fill(resources::Product::Reader, 0, &store);  // a language without a default list: the stored plug-ins only
  }

  std::vector<std::u16string> Files() const {
    std::vector<std::u16string> files;
    for (std::size_t row = 0; row < model.Count(); ++row) files.push_back(model.Item(row).PIPath);
    return files;
  }

  MemoryPluginStore store;
  RecordingObserver observer;
  CPluginListModel model;
};

TEST_F(PluginListModelTest, DefaultsComeFirstThenTheStoredPluginsUnchecked) {
  EXPECT_EQ(Files(), (std::vector<std::u16string>{u"A.zpi", u"B.zpi", u"A.zpi", u"tool.zpi", u"NoDot"}));
  EXPECT_EQ(model.Item(4).Name, u"");
  for (std::size_t row = 0; row < model.Count(); ++row) EXPECT_FALSE(model.Checked(row));
  EXPECT_EQ(model.AddedPlugins(), store.kept);
  EXPECT_TRUE(model.IsInitialized(0) && model.IsInitialized(2));
  EXPECT_FALSE(model.IsInitialized(3) || model.IsInitialized(4));
  EXPECT_EQ(observer.events.size(), 5u);
  EXPECT_EQ(store.writes, 0);
}

TEST_F(PluginListModelTest, FillingForAProductListsItsDefaultsBeforeTheStoredOnes) {
  MemoryPluginStore kept;
  kept.kept = {{u"Mine", u"Mine.zpi"}};
  CPluginListModel reader;
  reader.Fill(resources::Product::Reader, 49001, &kept);
  ASSERT_EQ(reader.Count(), 32u);
  EXPECT_EQ(reader.Item(31).PIPath, u"Mine.zpi");
  EXPECT_TRUE(reader.IsInitialized(30));
  EXPECT_FALSE(reader.IsInitialized(31));
  CPluginListModel chinese;
  chinese.Fill(resources::Product::Orvanta, 49007, nullptr);
  EXPECT_EQ(chinese.Count(), 45u);
}

TEST_F(PluginListModelTest, AddingTakesTheFileNameAndCaptionAndStoresAtOnce) {
  observer.events.clear();
  const PluginAddResult added = model.Add(u"D:\\tools\\My.Tool.zpi");
  ASSERT_EQ(added.outcome, PluginAddOutcome::Added);
  EXPECT_EQ(added.row, 5u);
  EXPECT_EQ(model.Item(5), (PluginItem{u"My.Tool", u"My.Tool.zpi"}));
  EXPECT_FALSE(model.Checked(5));
  EXPECT_EQ(store.kept.back(), model.Item(5));
  EXPECT_EQ(model.AddedPlugins().back(), model.Item(5));
  EXPECT_EQ(observer.events, std::vector<std::string>{"insert 5"});

  const PluginAddResult folder = model.Add(u"/home/admin/plugins/Stamp.zpi");
  EXPECT_EQ(model.Item(folder.row), (PluginItem{u"Stamp", u"Stamp.zpi"}));
}

TEST_F(PluginListModelTest, AFileAlreadyListedOrUnfitForTheListIsRefusedWithNothingChanged) {
  const std::size_t count = model.Count();
  EXPECT_EQ(model.CheckAdd(u"C:\\x\\TOOL.ZPI"), PluginAddOutcome::Duplicate);
  EXPECT_EQ(model.CheckAdd(u"/x/a;b.zpi"), PluginAddOutcome::BadFileName);
  EXPECT_EQ(model.CheckAdd(u"/x/New.zpi"), PluginAddOutcome::Added);
  EXPECT_EQ(model.Add(u"C:\\x\\TOOL.ZPI").outcome, PluginAddOutcome::Duplicate);
  EXPECT_EQ(model.Add(u"/defaults/a.zpi").outcome, PluginAddOutcome::Duplicate);
  EXPECT_EQ(model.Add(u"nodot").outcome, PluginAddOutcome::Duplicate);
  EXPECT_EQ(model.Add(u"/plugins/a;b.zpi").outcome, PluginAddOutcome::BadFileName);
  EXPECT_EQ(model.Add(u"/plugins/").outcome, PluginAddOutcome::BadFileName);
  EXPECT_EQ(model.Count(), count);
  EXPECT_EQ(store.writes, 0);
  EXPECT_EQ(model.AddedPlugins().size(), 2u);
}

TEST_F(PluginListModelTest, RemovingLeavesDefaultsAndTheStoreAloneUntilTheRewrite) {
  EXPECT_FALSE(model.Remove(0));
  EXPECT_FALSE(model.Remove(2));
  EXPECT_EQ(model.Count(), 5u);

  observer.events.clear();
  EXPECT_TRUE(model.Remove(3));
  EXPECT_EQ(observer.events, std::vector<std::string>{"remove 3"});
  EXPECT_EQ(Files(), (std::vector<std::u16string>{u"A.zpi", u"B.zpi", u"A.zpi", u"NoDot"}));
  EXPECT_EQ(model.AddedPlugins(), (std::vector<PluginItem>{{u"", u"NoDot"}}));
  EXPECT_EQ(store.kept.size(), 2u);  // what a restart would find

  ASSERT_TRUE(model.RewriteStore());
  EXPECT_EQ(store.kept, model.AddedPlugins());
}

TEST_F(PluginListModelTest, RemovingDropsOnlyTheFirstAddedPluginOfThatFile) {
  model.AppendAdded({u"Copy", u"TOOL.zpi"});
  EXPECT_TRUE(model.Remove(5));
  EXPECT_EQ(model.AddedPlugins(), (std::vector<PluginItem>{{u"", u"NoDot"}, {u"Copy", u"TOOL.zpi"}}));
}

TEST_F(PluginListModelTest, WithoutAStoreTheListStillTakesAdditions) {
  CPluginListModel unused;
  EXPECT_TRUE(unused.RewriteStore());
  unused.AppendAdded({u"Elsewhere", u"e.zpi"});
  EXPECT_EQ(unused.Add(u"/x/new.zpi").outcome, PluginAddOutcome::Added);
  EXPECT_EQ(unused.AddedPlugins().size(), 2u);
}

TEST_F(PluginListModelTest, ALoadedListChecksExactlyTheNamesEachFollowedBySemicolon) {
  struct Case {
    const char* value;
    std::vector<bool> checked;  // A, B, A again, tool, NoDot
  };
  const Case cases[] = {
      {"a.zpi;b.zpi", {true, false, true, false, false}},  // no ";" after b.zpi
      {"B.ZPI;TOOL.zpi;", {false, true, false, true, false}},
      {"unknown.zpi;", {false, false, false, false, false}},
      {"", {false, false, false, false, false}},
      {";;nodot;;", {false, false, false, false, true}},
      {"a.zpi ;b.zpi;", {false, true, false, false, false}},  // a name keeps its blanks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    for (std::size_t row = 0; row < model.Count(); ++row) model.SetChecked(row, true);
    model.ApplyPluginSection(Hiding(c.value).get());
    for (std::size_t row = 0; row < model.Count(); ++row) EXPECT_EQ(model.Checked(row), c.checked[row]) << row;
    EXPECT_EQ(model.Count(), 5u);
  }
}

TEST_F(PluginListModelTest, ADocumentWithoutAPluginListKeepsEveryCheck) {
  model.SetChecked(1, true);
  for (const char* text : {"<Reader><Profstore><Preferences/></Profstore></Reader>",
                           "<Reader><Profstore><Preferences/><PLUGINS/></Profstore></Reader>",
                           "<Reader><Other/><Profstore><Plugins><Plugin UnloadPluginArray=\"a.zpi;\"/></Plugins>"
                           "</Profstore></Reader>"}) {
    model.ApplyPluginSection(Parse(text).get());
    EXPECT_TRUE(model.Checked(1)) << text;
    EXPECT_FALSE(model.Checked(0)) << text;
  }
  model.ApplyPluginSection(nullptr);
  EXPECT_TRUE(model.Checked(1));
  // A Plugin element without the attribute reads as an empty list.
  model.ApplyPluginSection(Parse("<R><Profstore><plugins><Plugin/></plugins></Profstore></R>").get());
  EXPECT_FALSE(model.Checked(1));
}

TEST_F(PluginListModelTest, HiddenNamesNoRowHasAreAdoptedOnceAndThenChecked) {
  const XmlTreePtr root = Hiding("b.zpi;Extra.Tool.zpi;EXTRA.tool.zpi;;nodot;plain;trailing");
  EXPECT_EQ(model.AdoptHiddenNames(root.get()), 2u);
  EXPECT_EQ(model.Item(5), (PluginItem{u"Extra.Tool", u"Extra.Tool.zpi"}));
  EXPECT_EQ(model.Item(6), (PluginItem{u"", u"plain"}));
  EXPECT_EQ(model.AddedPlugins().size(), 2u);
  EXPECT_EQ(store.writes, 0);
  model.ApplyPluginSection(root.get());
  EXPECT_EQ(model.HiddenFileNames(), (std::vector<std::u16string>{u"B.zpi", u"NoDot", u"Extra.Tool.zpi", u"plain"}));
  EXPECT_EQ(model.AdoptHiddenNames(root.get()), 0u);
  EXPECT_EQ(model.AdoptHiddenNames(nullptr), 0u);
}

TEST_F(PluginListModelTest, CheckingByFileNameReachesEveryRowOfThatFile) {
  observer.events.clear();
  EXPECT_EQ(model.SetCheckedByFileName(u"a.ZPI", true), 2u);
  EXPECT_EQ(model.SetCheckedByFileName(u"missing.zpi", true), 0u);
  EXPECT_EQ(observer.events, (std::vector<std::string>{"check 0", "check 2"}));
  EXPECT_EQ(model.SetCheckedByFileName(u"a.zpi", true), 2u);
  EXPECT_EQ(observer.events.size(), 2u);  // nothing changed, nothing told
  EXPECT_EQ(model.FindFileName(u"TOOL.ZPI"), 3u);
  EXPECT_FALSE(model.FindFileName(u"tool"));
}

std::u16string WrittenValue(const CPluginListModel& model, bool disableTessadoc) {
  document::CWriteContext context;
  EXPECT_TRUE(document::BuildDocument(context, resources::Product::Reader));
  model.WritePluginSection(*context.m_spXmlDoc, disableTessadoc);
  document::CDomDocument& dom = *context.m_spXmlDoc;
  return dom.AttributeValue(dom.AttributeNode(dom.FirstChild(dom.FindByTag(u"Plugins")), u"UnloadPluginArray"));
}

TEST_F(PluginListModelTest, WritingListsTheCheckedFilesInRowOrderThenTheTessadocPlugins) {
  EXPECT_EQ(WrittenValue(model, false), u"");
  EXPECT_EQ(WrittenValue(model, true), u"TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
  model.SetChecked(2, true);
  EXPECT_EQ(WrittenValue(model, false), u"A.zpi;");  // either row of a file named twice writes it
  model.SetChecked(4, true);
  model.SetChecked(0, true);
  EXPECT_EQ(WrittenValue(model, false), u"A.zpi;A.zpi;NoDot;");
  EXPECT_EQ(WrittenValue(model, true), u"A.zpi;A.zpi;NoDot;TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;");
  EXPECT_EQ(model.HiddenFileNames(), (std::vector<std::u16string>{u"A.zpi", u"A.zpi", u"NoDot"}));
}

TEST_F(PluginListModelTest, WhatIsWrittenReadsBackAsTheSameChecks) {
  model.SetChecked(1, true);
  model.SetChecked(3, true);
  const std::u16string value = WrittenValue(model, false);
  for (std::size_t row = 0; row < model.Count(); ++row) model.SetChecked(row, false);
  std::string utf8;
  for (char16_t c : value) utf8 += static_cast<char>(c);  // ASCII file names
  model.ApplyPluginSection(Hiding(utf8).get());
  EXPECT_EQ(model.HiddenFileNames(), (std::vector<std::u16string>{u"B.zpi", u"tool.zpi"}));
}

}  // namespace
}  // namespace cadmira::pages
