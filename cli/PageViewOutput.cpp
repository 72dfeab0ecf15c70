#include "cli/PageViewOutput.h"

#include <ostream>

#include "cli/JsonWriter.h"
#include "pages/view/ProductWords.h"

namespace cadmira::cli {

void WritePageViewJson(const pages::PageView& view, CJsonWriter& json) {
  json.BeginObject();
  json.Key("product");
  json.ByteName(pages::ProductWord(view.product));
  json.Key("version");
  json.Utf16(view.version);
  json.Key("settings");
  json.BeginObject();
  for (const pages::ShownSetting& setting : view.settings) {
    json.Key(setting.name);
    json.Utf16(setting.value);
  }
  json.EndObject();
  json.Key("hiddenPlugins");
  json.BeginArray();
  for (const pages::ShownPlugin& plugin : view.hiddenPlugins) json.Utf16(plugin.fileName);
  json.EndArray();
  json.Key("hiddenRibbon");
  json.BeginArray();
  for (const pages::ShownRibbonElement& element : view.hiddenRibbon) json.Utf16(element.path);
  json.EndArray();
  json.EndObject();
}

void WritePageViewText(const pages::PageView& view, std::ostream& out) {
  out << "pages:\n"
      << "  product: " << pages::ProductWord(view.product) << '\n'
      << "  version: " << CJsonWriter::Quoted(view.version) << '\n'
      << "  settings:\n";
  for (const pages::ShownSetting& setting : view.settings) {
    out << "    " << setting.name << " = " << CJsonWriter::Quoted(setting.value) << '\n';
  }
  out << "  hiddenPlugins: " << view.hiddenPlugins.size() << '\n';
  for (const pages::ShownPlugin& plugin : view.hiddenPlugins)
    out << "    " << CJsonWriter::Quoted(plugin.fileName) << '\n';
  out << "  hiddenRibbon: " << view.hiddenRibbon.size() << '\n';
  for (const pages::ShownRibbonElement& element : view.hiddenRibbon) {
    out << "    " << CJsonWriter::Quoted(element.path) << '\n';
  }
}

}  // namespace cadmira::cli
