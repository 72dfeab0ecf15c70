#include "cli/PageDiffOutput.h"

#include <ostream>

#include "cli/JsonWriter.h"
#include "pages/view/ProductWords.h"

namespace cadmira::cli {
namespace {

using pages::PageDiff;
using pages::ShownPlugin;
using pages::ShownRibbonElement;
using pages::ShownSetting;

std::string Quoted(const std::optional<ShownSetting>& setting) {
  return setting ? CJsonWriter::Quoted(setting->value) : "(none)";
}

void WriteOptional(CJsonWriter& json, const std::optional<ShownSetting>& setting) {
  if (setting) {
    json.Utf16(setting->value);
  } else {
    json.Null();
  }
}

const std::u16string& Key(const ShownPlugin& plugin) { return plugin.fileName; }
const std::u16string& Key(const ShownRibbonElement& element) { return element.path; }

template <typename Item>
void WriteLists(CJsonWriter& json, const PageDiff::Lists<Item>& lists) {
  json.BeginObject();
  for (const auto& [key, items] : {std::pair{"onlyA", &lists.onlyA}, std::pair{"onlyB", &lists.onlyB}}) {
    json.Key(key);
    json.BeginArray();
    for (const Item& item : *items) json.Utf16(Key(item));
    json.EndArray();
  }
  json.EndObject();
}

template <typename Item>
void WriteListsText(const char* what, const PageDiff::Lists<Item>& lists, std::ostream& out) {
  for (const Item& item : lists.onlyA) out << what << " only in A: " << CJsonWriter::Quoted(Key(item)) << '\n';
  for (const Item& item : lists.onlyB) out << what << " only in B: " << CJsonWriter::Quoted(Key(item)) << '\n';
}

}  // namespace

void WritePageDiffText(const PageDiff& diff, std::ostream& out) {
  if (diff.product) {
    out << "product: " << pages::ProductWord(diff.product->first) << " -> " << pages::ProductWord(diff.product->second)
        << '\n';
  }
  if (diff.version) {
    out << "version: " << CJsonWriter::Quoted(diff.version->first) << " -> "
        << CJsonWriter::Quoted(diff.version->second) << '\n';
  }
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
    json.ByteName(pages::ProductWord(diff.product->first));
    json.ByteName(pages::ProductWord(diff.product->second));
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
