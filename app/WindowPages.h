#pragma once

#include "document/DocumentPages.h"

namespace cadmira::pages {
class CPreferencedlg;
class CRibbondlg;
class CPluginsdlg;
}  // namespace cadmira::pages

namespace cadmira::app {

// The main window's three pages as the load and write sequences see them.
class CWindowPages : public document::IDocumentPages {
 public:
  CWindowPages(pages::CPreferencedlg& preferences, pages::CRibbondlg& ribbon, pages::CPluginsdlg& plugins);

  document::IPageControls& Controls() override;
  const document::IPageControls& Controls() const override;
  int ValidateBeforeWrite() const override;
  void ClearRibbonChecks() override;
  void ApplyRibbonSection(const CXML_TreeElement* root) override;
  void ApplyPluginSection(const CXML_TreeElement* root) override;
  void WritePluginSection(document::CDomDocument& document) const override;
  void WriteRibbonSection(document::CWriteContext& context) const override;

 private:
  pages::CPreferencedlg& m_preferences;
  pages::CRibbondlg& m_ribbon;
  pages::CPluginsdlg& m_plugins;
};

}  // namespace cadmira::app
