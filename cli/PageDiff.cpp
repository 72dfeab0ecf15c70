#include "cli/PageDiff.h"

#include <ostream>
#include <unordered_set>

#include "base/AsciiCase.h"
#include "cli/JsonWriter.h"
#include "cli/ProductWords.h"

namespace cadmira::cli {
namespace {

// The items of `from` that `other` lacks, each once, in `from`'s order.
std::vector<std::u16string> OnlyIn(const std::vector<std::u16string>& from, const std::vector<std::u16string>& other,
                                   bool ignoreCase) {
  auto key = [ignoreCase](const std::u16string& item) { return ignoreCase ? AsciiLowered(item) : item; };
  std::unordered_set<std::u16string> present;
  for (const std::u16string& item : other) present.insert(key(item));
  std::vector<std::u16string> only;
  for (const std::u16string& item : from) {
    if (present.insert(key(item)).second) only.push_back(item);
  }
  return only;
}

PageDiff::Lists DiffLists(const std::vector<std::u16string>& a, const std::vector<std::u16string>& b, bool ignoreCase) {
  return {OnlyIn(a, b, ignoreCase), OnlyIn(b, a, ignoreCase)};
}

const std::u16string* ValueOf(const PageView& view, const std::string& name) {
  for (const auto& [setting, value] : view.settings) {
    if (setting == name) return &value;
  }
  return nullptr;
}

std::optional<std::u16string> Optional(const std::u16string* value) {
  return value ? std::optional<std::u16string>(*value) : std::nullopt;
}

std::string Quoted(const std::optional<std::u16string>& text) {
  return text ? CJsonWriter::Quoted(*text) : "(none)";
}

void WriteOptional(CJsonWriter& json, const std::optional<std::u16string>& text) {
  if (text) {
    json.Utf16(*text);
  } else {
    json.Null();
  }
}

void WriteLists(CJsonWriter& json, const PageDiff::Lists& lists) {
  json.BeginObject();
  json.Key("onlyA");
  json.Utf16Array(lists.onlyA);
  json.Key("onlyB");
  json.Utf16Array(lists.onlyB);
  json.EndObject();
}

void WriteListsText(const char* what, const PageDiff::Lists& lists, std::ostream& out) {
  for (const std::u16string& item : lists.onlyA) out << what << " only in A: " << Quoted(item) << '\n';
  for (const std::u16string& item : lists.onlyB) out << what << " only in B: " << Quoted(item) << '\n';
}

}  // namespace

bool PageDiff::Same() const {
  return !product && !version && settings.empty() && hiddenPlugins.onlyA.empty() && hiddenPlugins.onlyB.empty() &&
         hiddenRibbon.onlyA.empty() && hiddenRibbon.onlyB.empty();
}

PageDiff DiffPageViews(const PageView& a, const PageView& b) {
  PageDiff diff;
  if (a.product != b.product) diff.product = {a.product, b.product};
  if (a.version != b.version) diff.version = {a.version, b.version};
  for (const auto& [name, value] : a.settings) {
    const std::u16string* other = ValueOf(b, name);
    if (!other || *other != value) diff.settings.push_back({name, value, Optional(other)});
  }
  for (const auto& [name, value] : b.settings) {
    if (!ValueOf(a, name)) diff.settings.push_back({name, std::nullopt, value});
  }
  diff.hiddenPlugins = DiffLists(a.hiddenPlugins, b.hiddenPlugins, true);
  diff.hiddenRibbon = DiffLists(a.hiddenRibbon, b.hiddenRibbon, false);
  return diff;
}

void WritePageDiffText(const PageDiff& diff, std::ostream& out) {
  if (diff.product) out << "product: " << ProductWord(diff.product->first) << " -> " << ProductWord(diff.product->second) << '\n';
  if (diff.version) out << "version: " << Quoted(diff.version->first) << " -> " << Quoted(diff.version->second) << '\n';
  for (const PageDiff::Setting& setting : diff.settings) {
    out << setting.name << ": " << Quoted(setting.a) << " -> " << Quoted(setting.b) << '\n';
  }
  WriteListsText("hidden plug-in", diff.hiddenPlugins, out);
  WriteListsText("hidden ribbon element", diff.hiddenRibbon, out);
}

void WritePageDiffJson(const PageDiff& diff, std::ostream& out) {
  CJsonWriter json(out);
  json.BeginObject();
  json.Key("same");
  json.Bool(diff.Same());
  json.Key("product");
  if (diff.product) {
    json.BeginArray();
    json.ByteName(ProductWord(diff.product->first));
    json.ByteName(ProductWord(diff.product->second));
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("version");
  if (diff.version) {
    json.BeginArray();
    json.Utf16(diff.version->first);
    json.Utf16(diff.version->second);
    json.EndArray();
  } else {
    json.Null();
  }
  json.Key("settings");
  json.BeginArray();
  for (const PageDiff::Setting& setting : diff.settings) {
    json.BeginObject();
    json.Key("name");
    json.ByteName(setting.name);
    json.Key("a");
    WriteOptional(json, setting.a);
    json.Key("b");
    WriteOptional(json, setting.b);
    json.EndObject();
  }
  json.EndArray();
  json.Key("hiddenPlugins");
  WriteLists(json, diff.hiddenPlugins);
  json.Key("hiddenRibbon");
  WriteLists(json, diff.hiddenRibbon);
  json.EndObject();
  out << '\n';
}

}  // namespace cadmira::cli
