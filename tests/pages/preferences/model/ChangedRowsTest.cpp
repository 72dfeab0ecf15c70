#include "pages/preferences/model/ChangedRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/MapPageControls.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceReader.h"
#include "document/ReadConfigFile.h"

namespace cadmira::pages {
namespace {

using document::ControlKind;
using document::MapPageControls;
using document::MappingRule;

constexpr resources::Product kReader = resources::Product::Reader;
constexpr resources::Product kOrvanta = resources::Product::Orvanta;

// Puts the binding's control in a state other than a fresh page's; false for a binding no
// control can change.
bool Edit(const document::PreferenceBinding& binding, MapPageControls& controls) {
  if (binding.rule == MappingRule::AlwaysEmpty) return false;
  switch (binding.kind) {
    case ControlKind::CheckBox:
      controls.SetChecked(binding.dialogId, binding.controlId, true);
      return true;
    case ControlKind::ComboBox:
      controls.SetComboIndex(binding.dialogId, binding.controlId, 1);
      return true;
    case ControlKind::Edit:
      controls.SetText(binding.dialogId, binding.controlId, u"x");
      return true;
    case ControlKind::None:
      break;
  }
  return false;
}

void Undo(const document::PreferenceBinding& binding, MapPageControls& controls) {
  controls.SetChecked(binding.dialogId, binding.controlId, false);
  controls.SetComboIndex(binding.dialogId, binding.controlId, 0);
  controls.SetText(binding.dialogId, binding.controlId, u"");
}

TEST(ChangedRowsTest, EveryEditableSettingMarksItsOwnRowAloneUntilItIsUndone) {
  const MapPageControls untouched;
  for (const resources::Product product : {kReader, kOrvanta}) {
    int edited = 0;
    for (const PreferencePageRow* row : ListedPreferenceRows(product)) {
      for (const std::u16string_view key : row->settings) {
        const document::PreferenceRow* setting = document::FindPreferenceRow(key);
        ASSERT_NE(setting, nullptr);
        for (const document::PreferenceBinding& binding : setting->bindings) {
          MapPageControls controls;
          if (!Edit(binding, controls)) continue;
          ++edited;
          const std::string where = "product " + std::to_string(resources::ProductNumber(product)) + ", row " +
                                    std::to_string(row->key) + ", control " + std::to_string(binding.controlId);
          EXPECT_EQ(ChangedRowKeys(product, controls, untouched), std::vector<int>{row->key}) << where;
          Undo(binding, controls);
          EXPECT_TRUE(ChangedRowKeys(product, controls, untouched).empty()) << where;
        }
      }
    }
    EXPECT_GE(edited, 30) << resources::ProductNumber(product);
  }
}

TEST(ChangedRowsTest, RowsSharingTheCheckBoxPageAreJudgedByTheirOwnBoxes) {
  // Forbid Auto Update, Start Page and Default PDF Viewer all live on one page.
  MapPageControls controls;
  controls.SetChecked(kCheckPageId, 1048, true);
  EXPECT_EQ(ChangedRowKeys(kReader, controls, MapPageControls()), std::vector<int>{5});
  controls.SetChecked(kCheckPageId, 1047, true);
  EXPECT_EQ(ChangedRowKeys(kReader, controls, MapPageControls()), (std::vector<int>{4, 5}));
}

TEST(ChangedRowsTest, AValueWrittenAsTheUntouchedPageWritesItIsNoChange) {
  MapPageControls controls;
  // No selection is written as the first item.
  controls.SetComboIndex(176, 1066, -1);
  EXPECT_TRUE(ChangedRowKeys(kReader, controls, MapPageControls()).empty());
  // A box of the other product's setting changes no listed row.
  controls.SetChecked(kCheckPageId, 1010, true);
  EXPECT_TRUE(ChangedRowKeys(kReader, controls, MapPageControls()).empty());
  EXPECT_EQ(ChangedRowKeys(kOrvanta, controls, MapPageControls()), std::vector<int>{2});
}

// The keys whose Preference element a write from the controls fills otherwise than a write from
// an untouched page: the reference the marks are checked against after a load.
std::set<std::u16string> KeysWrittenOtherwise(resources::Product product, const MapPageControls& controls) {
  auto attributes = [product](const MapPageControls& from) {
    document::CWriteContext context;
    document::FillDocument(context, product, from, {}, {});
    std::vector<std::pair<std::u16string, std::vector<std::string>>> elements;
    const document::CDomDocument& dom = *context.m_spXmlDoc;
    const document::CDomElement preferences = dom.FindByTag(u"Preferences");
    for (document::CDomElement child = dom.FirstChild(preferences); child; child = dom.NextSibling(child)) {
      std::vector<std::string> values;
      for (const pugi::xml_attribute attribute : child.Node().attributes()) values.emplace_back(attribute.value());
      elements.emplace_back(dom.AttributeValue(dom.AttributeNode(child, u"Text")), values);
    }
    return elements;
  };
  const auto loaded = attributes(controls);
  const auto fresh = attributes(MapPageControls());
  std::set<std::u16string> keys;
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    if (loaded[i] != fresh[i]) keys.insert(loaded[i].first);
  }
  return keys;
}

TEST(ChangedRowsTest, AfterALoadTheMarkedRowsAreThoseWhoseSettingsTheFileSets) {
  const std::pair<const char*, resources::Product> files[] = {{"reader-profstore.xml", kReader},
                                                              {"orvanta-profstore.xml", kOrvanta},
                                                              {"reader-profstore.sealed.xml", kReader},
                                                              {"orvanta-profstore.sealed.xml", kOrvanta}};
  for (const auto& [name, product] : files) {
    const std::string path = std::string(CADMIRA_SOURCE_DIR) + "/examples/" + name;
    const auto file = document::ReadConfigFile(path, document::ReadForms::PlainThenSealed);
    ASSERT_TRUE(file && file.value().Root() != nullptr) << name;
    MapPageControls controls;
    document::ApplyPreferenceSection(file.value().Root(), controls);

    std::set<int> expected;
    for (const std::u16string& key : KeysWrittenOtherwise(product, controls)) {
      if (const PreferencePageRow* row = FindRowOfSetting(key)) expected.insert(row->key);
    }
    const std::vector<int> marked = ChangedRowKeys(product, controls, MapPageControls());
    EXPECT_EQ(std::set<int>(marked.begin(), marked.end()), expected) << name;
    EXPECT_GE(marked.size(), 5u) << name;
    if (product == kReader) {
      // The file sets the start page and forbids updates ("0" ticks that box); it leaves the
      // internet features as an untouched page has them.
      EXPECT_NE(std::find(marked.begin(), marked.end(), 12), marked.end()) << name;
      EXPECT_NE(std::find(marked.begin(), marked.end(), 5), marked.end()) << name;
      EXPECT_EQ(std::find(marked.begin(), marked.end(), 24), marked.end()) << name;
    }
  }
}

}  // namespace
}  // namespace cadmira::pages
