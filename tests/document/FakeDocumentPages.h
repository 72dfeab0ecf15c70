#pragma once

#include <string>
#include <vector>

#include "document/DocumentPages.h"
#include "document/HiddenRibbonPaths.h"
#include "document/HideRibbonPath.h"
#include "document/MapPageControls.h"
#include "document/PluginList.h"
#include "document/PreferenceCatalogue.h"

namespace cadmira::document {

// Three pages kept in plain containers: the controls in maps, the ticked plug-ins and the hidden
// ribbon paths in lists. Every section call is recorded by name, in order.
class FakeDocumentPages : public IDocumentPages {
 public:
  IPageControls& Controls() override { return controls; }
  const IPageControls& Controls() const override { return controls; }
  int ValidateBeforeWrite() const override { return refusal; }

  void ClearRibbonChecks() override {
    calls.push_back("clear");
    hiddenRibbon.clear();
  }
  void ApplyRibbonSection(const CXML_TreeElement* root) override {
    calls.push_back("ribbon");
    hiddenRibbon.clear();
    VisitHiddenRibbonPaths(
        root, [this](std::span<const std::u16string> path) { hiddenRibbon.emplace_back(path.begin(), path.end()); });
  }
  void ApplyPluginSection(const CXML_TreeElement* root) override {
    calls.push_back("plugins");
    if (const auto value = ReadUnloadPluginArray(root)) hiddenPlugins = SplitUnloadPluginArray(*value);
  }
  void WritePluginSection(CDomDocument& dom) const override {
    const bool tessadoc = controls.Checked(kTessadocDialog, kDisableTessadocCheck);
    document::WritePluginSection(dom, JoinUnloadPluginArray(hiddenPlugins, tessadoc));
  }
  void WriteRibbonSection(CWriteContext& context) const override {
    for (const RibbonPath& path : hiddenRibbon) HideRibbonPath(context, path);
  }

  MapPageControls controls;
  int refusal = 0;
  std::vector<std::u16string> hiddenPlugins;
  std::vector<RibbonPath> hiddenRibbon;
  std::vector<std::string> calls;
};

}  // namespace cadmira::document
