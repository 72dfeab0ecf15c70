#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "base/AsciiCase.h"
#include "pages/view/ModelPages.h"
#include "cli/ElementPaths.h"
#include "cli/Linter.h"
#include "pages/view/Vocabulary.h"
#include "document/LoadDocument.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceReader.h"
#include "document/ReadConfigFile.h"
#include "document/ReadWholeFile.h"
#include "document/Seal.h"
#include "document/Utf8Text.h"
#include "document/WriteDocument.h"

namespace cadmira::cli {
namespace {

namespace fs = std::filesystem;

// The attributes of one binding of one loaded element, as lint names their place.
struct Place {
  const CXML_TreeElement* element;
  std::vector<std::u16string_view> attributes;
};

std::map<std::string, Place> PlacesOf(const CXML_TreeElement* root) {
  CElementPaths paths;
  std::map<std::string, Place> places;
  for (const CXML_TreeElement* element : document::PreferenceElements(root)) {
    const document::PreferenceRow* row = document::FindPreferenceRow(document::AttributeOrEmpty(element, "Text"));
    if (!row) continue;
    for (const document::PreferenceBinding& binding : row->bindings) {
      if (binding.attributes.empty()) continue;
      places.emplace(paths.OfAttribute(element, document::ToUtf8(binding.attributes[0])),
                     Place{element, binding.attributes});
      // A binding without a control is flagged attribute by attribute.
      for (std::u16string_view attribute : binding.attributes) {
        places.emplace(paths.OfAttribute(element, document::ToUtf8(attribute)), Place{element, {attribute}});
      }
    }
  }
  return places;
}

// The element of `key` in a file the editor wrote, which holds each key once.
const CXML_TreeElement* WrittenElement(const CXML_TreeElement* root, std::u16string_view key) {
  for (const CXML_TreeElement* element : document::PreferenceElements(root)) {
    if (document::AttributeOrEmpty(element, "Text") == key) return element;
  }
  return nullptr;
}

bool SameValues(const Place& place, const CXML_TreeElement* written) {
  for (std::u16string_view attribute : place.attributes) {
    const std::string name = document::ToUtf8(attribute);
    if (!AsciiEqualNoCase(document::AttributeOrEmpty(place.element, name), document::AttributeOrEmpty(written, name))) {
      return false;
    }
  }
  return true;
}

// Every value lint calls ignored or unmatched is one the pages did not take: loading the file and
// saving it again does not give it back.
int CheckFile(const std::string& name, std::vector<unsigned char> bytes) {
  const document::ConfigFile file = document::ReadConfigBytes(std::move(bytes), document::ReadForms::PlainThenSealed);
  if (!file.Root() || !file.product) return 0;
  pages::CModelPages pages(*file.product);
  document::ApplyDocument(file.Root(), pages);
  document::CWriteContext context;
  Result<std::vector<unsigned char>> written = document::BuildFileBytes(context, *file.product, pages);
  EXPECT_TRUE(written.ok()) << name;
  if (!written) return 0;
  const document::ConfigFile saved =
      document::ReadConfigBytes(std::move(written).value(), document::ReadForms::PlainOnly);
  const std::map<std::string, Place> places = PlacesOf(file.Root());
  int checked = 0;
  const pages::CVocabulary vocabulary(*file.product);
  CLinter(file.Root(), vocabulary, pages).Run([&](const Finding& finding) {
    if (finding.code != "unmatched-value" && finding.code != "ignored-value") return;
    const auto place = places.find(finding.where);
    ASSERT_NE(place, places.end()) << name << ": " << finding.where;
    const CXML_TreeElement* element =
        WrittenElement(saved.Root(), document::AttributeOrEmpty(place->second.element, "Text"));
    ASSERT_NE(element, nullptr) << name << ": " << finding.where;
    EXPECT_FALSE(SameValues(place->second, element)) << name << ": " << finding.where << ": " << finding.message;
    ++checked;
  });
  return checked;
}

TEST(LintAgreesWithLoading, WhatLintCallsMisreadThePagesDoNotTake) {
  int checked = 0;
  for (const char* corpus : {"config_file", "round_trip"}) {
    for (const fs::directory_entry& seed :
         fs::directory_iterator(fs::path(CADMIRA_SOURCE_DIR) / "fuzz/corpus" / corpus)) {
      Result<std::vector<unsigned char>> bytes = document::ReadWholeFile(seed.path().string());
      ASSERT_TRUE(bytes.ok()) << seed.path();
      std::vector<unsigned char> sealed = bytes.value();
      document::SealBuffer(sealed.data(), sealed.size());
      checked += CheckFile(seed.path().filename().string() + " (plain)", std::move(bytes).value());
      checked += CheckFile(seed.path().filename().string() + " (sealed)", std::move(sealed));
    }
  }
  // The seeds hold misread values of every kind, so that the check has something to check.
  EXPECT_GE(checked, 8);
}

}  // namespace
}  // namespace cadmira::cli
