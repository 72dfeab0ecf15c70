#pragma once

#include <string>
#include <string_view>

#include "base/Result.h"
#include "document/DocumentPages.h"
#include "document/MapPageControls.h"
#include "pages/plugins/model/PluginListModel.h"
#include "pages/ribbon/model/RibbonTree.h"

namespace cadmira::cli {

class CVocabulary;

// The editor's three pages without a window, as they are at start for one product (every
// control at its default, the version box showing the program's version, the English ribbon
// and default plug-ins). There is no workstation list of added plug-ins: every name a file
// hides is kept as if it had been added on the Plugins page.
class CCliPages final : public document::IDocumentPages {
 public:
  explicit CCliPages(int product);

  int Product() const { return m_product; }
  const pages::CRibbonTree& Ribbon() const { return m_ribbon; }
  const pages::CPluginListModel& Plugins() const { return m_plugins; }

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

  int m_product;
  document::MapPageControls m_controls;
  pages::CRibbonTree m_ribbon;
  pages::CPluginListModel m_plugins;
};

// The ribbon path in its "/" form: the Names from the top down, joined by "/"; an element
// under TabElements begins with "/".
std::u16string RibbonPathText(const document::RibbonPath& path);
document::RibbonPath RibbonPathFromText(std::u16string_view text);

}  // namespace cadmira::cli
