#include "pages/view/PageView.h"

#include "document/MapPageControls.h"
#include "document/PageControls.h"
#include "document/Utf8Text.h"
#include "pages/plugins/model/PluginListModel.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "pages/view/RibbonPathText.h"
#include "resources/Version.h"

namespace cadmira::pages {
namespace {

int StateOf(const SettingName& setting, const document::IPageControls& controls) {
  const document::PreferenceBinding& binding = *setting.binding;
  switch (setting.kind) {
    case ValueKind::Check:
      return controls.Checked(binding.dialogId, binding.controlId) ? 1 : 0;
    case ValueKind::ThreeWay:
    case ValueKind::StatusBar: {
      const int index = controls.ComboIndex(binding.dialogId, binding.controlId);
      const bool listed = index >= 0 && static_cast<std::size_t>(index) < CVocabulary::Values(setting.kind).size();
      return listed ? index : 0;
    }
    case ValueKind::Text:
      break;
  }
  return 0;
}

std::vector<std::u16string> TitlesOf(const CRibbonTree& ribbon, const document::RibbonPath& path) {
  std::vector<std::u16string> titles;
  for (CRibbonTree::Node node = ribbon.FindPath(path); node != CRibbonTree::kNoNode; node = ribbon.Parent(node)) {
    titles.insert(titles.begin(), ribbon.Record(node).Title);
  }
  return titles;
}

}  // namespace

PageView ViewOf(resources::Product product, const document::IPageControls& controls, const CPluginListModel& plugins,
                const CRibbonTree& ribbon) {
  PageView view;
  view.product = product;
  view.version = controls.Text(document::kPreferencesDialog, document::kVersionEdit);
  const CVocabulary vocabulary(product);
  for (const SettingName& setting : vocabulary.Names()) {
    view.settings.push_back({setting.name, CVocabulary::Value(setting, controls), setting.binding, setting.kind,
                             StateOf(setting, controls)});
  }
  for (std::size_t row = 0; row < plugins.Count(); ++row) {
    if (plugins.Checked(row)) view.hiddenPlugins.push_back({plugins.Item(row).PIPath, plugins.Item(row).Name});
  }
  for (const document::RibbonPath& path : ribbon.HiddenPaths()) {
    view.hiddenRibbon.push_back({RibbonPathText(path), TitlesOf(ribbon, path)});
  }
  return view;
}

PageView UntouchedView(resources::Product product) {
  document::MapPageControls controls;
  controls.SetText(document::kPreferencesDialog, document::kVersionEdit, FreshVersionText());
  return ViewOf(product, controls, CPluginListModel(), CRibbonTree());
}

std::u16string FreshVersionText() {
  const std::string_view version = resources::kFileVersion;
  const std::size_t last = version.rfind('.');
  return document::FromUtf8(last == std::string_view::npos ? std::string_view() : version.substr(0, last));
}

}  // namespace cadmira::pages
