#pragma once

#include <string>
#include <string_view>

#include "base/Result.h"
#include "document/DocumentPages.h"
#include "resources/LanguageIds.h"
#include "document/MapPageControls.h"
#include "pages/plugins/model/PluginListModel.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "pages/view/PageView.h"
#include "resources/Product.h"

namespace cadmira::pages {

class CVocabulary;

// The editor's three pages without a window, as they are at start for one product (every
// control at its default, the version box showing the program's version, the ribbon and default
// plug-ins of the interface language, English unless told). As on the Plugins page, every name a
// loaded file hides that the list lacks becomes a row, so that a write keeps it.
class CModelPages final : public document::IDocumentPages {
 public:
  explicit CModelPages(resources::Product product, int langid = resources::kEnglishLangId);
  // The pages as a workstation's window has them: its added plug-ins listed after the default
  // ones.
  CModelPages(resources::Product product, int langid, const std::vector<PluginItem>& workstationPlugins);

  resources::Product Product() const { return m_product; }
  const CRibbonTree& Ribbon() const { return m_ribbon; }
  const CPluginListModel& Plugins() const { return m_plugins; }

  document::IPageControls& Controls() override { return m_controls; }
  const document::IPageControls& Controls() const override { return m_controls; }
  int ValidateBeforeWrite() const override;
  void ClearRibbonChecks() override;
  void ApplyRibbonSection(const CXML_TreeElement* root) override;
  void ApplyPluginSection(const CXML_TreeElement* root) override;
  void WritePluginSection(document::CDomDocument& document) const override;
  void WriteRibbonSection(document::CWriteContext& context) const override;

  // The edits a user makes on the pages, refused with a message when the pages have no such
  // control, value, plug-in file name or ribbon element.
  Status SetSetting(const CVocabulary& vocabulary, std::string_view name, std::string_view value);
  // The version box takes UTF-8 text only: a byte it cannot show would be written changed.
  Status SetVersion(std::string_view text);
  Status SetPluginHidden(std::string_view fileName, bool hidden);
  // Whether the file name (ignoring case) is one of the product's default plug-ins.
  bool IsDefaultPlugin(std::u16string_view fileName) const;
  Status SetRibbonHidden(std::string_view path, bool hidden);

 private:
  void AddPluginIfMissing(std::u16string_view fileName);

  resources::Product m_product;
  document::MapPageControls m_controls;
  CRibbonTree m_ribbon;
  CPluginListModel m_plugins;
};

// What the pages show.
PageView ViewOfPages(const CModelPages& pages);
// What fresh pages of the product, in the interface language, show after loading the tree, as
// Import applies it.
PageView ViewOfLoadedTree(const CXML_TreeElement* root, resources::Product product,
                          int langid = resources::kEnglishLangId);

}  // namespace cadmira::pages
