#include "cli/PageView.h"

#include <ostream>

#include "cli/CliPages.h"
#include "cli/JsonWriter.h"
#include "cli/ProductWords.h"
#include "cli/Vocabulary.h"
#include "document/LoadDocument.h"
#include "document/Utf8Text.h"

namespace cadmira::cli {

PageView ViewOf(int product, const document::IPageControls& controls, const pages::CPluginListModel& plugins,
                const pages::CRibbonTree& ribbon) {
  PageView view;
  view.product = product;
  view.version = controls.Text(document::kPreferencesDialog, document::kVersionEdit);
  const CVocabulary vocabulary(product);
  for (const SettingName& setting : vocabulary.Names()) {
    view.settings.emplace_back(setting.name, CVocabulary::Value(setting, controls));
  }
  view.hiddenPlugins = plugins.HiddenFileNames();
  for (const document::RibbonPath& path : ribbon.HiddenPaths()) view.hiddenRibbon.push_back(RibbonPathText(path));
  return view;
}

PageView ViewOfPages(const CCliPages& pages) {
  return ViewOf(pages.Product(), pages.Controls(), pages.Plugins(), pages.Ribbon());
}

PageView ViewOfLoadedTree(const CXML_TreeElement* root, int product) {
  CCliPages pages(product);
  document::ApplyDocument(root, pages);
  return ViewOfPages(pages);
}

void WritePageViewJson(const PageView& view, CJsonWriter& json) {
  json.BeginObject();
  json.Key("product");
  json.ByteName(ProductWord(view.product));
  json.Key("version");
  json.Utf16(view.version);
  json.Key("settings");
  json.BeginObject();
  for (const auto& [name, value] : view.settings) {
    json.Key(name);
    json.Utf16(value);
  }
  json.EndObject();
  json.Key("hiddenPlugins");
  json.Utf16Array(view.hiddenPlugins);
  json.Key("hiddenRibbon");
  json.Utf16Array(view.hiddenRibbon);
  json.EndObject();
}

void WritePageViewText(const PageView& view, std::ostream& out) {
  out << "pages:\n"
      << "  product: " << ProductWord(view.product) << '\n'
      << "  version: " << CJsonWriter::Quoted(view.version) << '\n'
      << "  settings:\n";
  for (const auto& [name, value] : view.settings) out << "    " << name << " = " << CJsonWriter::Quoted(value) << '\n';
  out << "  hiddenPlugins: " << view.hiddenPlugins.size() << '\n';
  for (const std::u16string& name : view.hiddenPlugins) out << "    " << CJsonWriter::Quoted(name) << '\n';
  out << "  hiddenRibbon: " << view.hiddenRibbon.size() << '\n';
  for (const std::u16string& path : view.hiddenRibbon) out << "    " << CJsonWriter::Quoted(path) << '\n';
}

}  // namespace cadmira::cli
