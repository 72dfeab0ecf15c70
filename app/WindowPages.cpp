#include "app/WindowPages.h"

#include "document/PreferenceCatalogue.h"
#include "pages/plugins/Pluginsdlg.h"
#include "pages/preferences/Preferencedlg.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "pages/ribbon/Ribbondlg.h"

namespace cadmira::app {

CWindowPages::CWindowPages(pages::CPreferencedlg& preferences, pages::CRibbondlg& ribbon, pages::CPluginsdlg& plugins)
    : m_preferences(preferences), m_ribbon(ribbon), m_plugins(plugins) {}

document::IPageControls& CWindowPages::Controls() { return m_preferences; }

const document::IPageControls& CWindowPages::Controls() const { return m_preferences; }

int CWindowPages::ValidateBeforeWrite() const {
  return pages::RefusalMessageId(pages::CheckBeforeWrite(m_preferences));
}

void CWindowPages::ClearRibbonChecks() { m_ribbon.ClearRibbonChecks(); }

void CWindowPages::ApplyRibbonSection(const CXML_TreeElement* root) { m_ribbon.ApplyRibbonSection(root); }

void CWindowPages::ApplyPluginSection(const CXML_TreeElement* root) { m_plugins.ApplyPluginSection(root); }

void CWindowPages::WritePluginSection(document::CDomDocument& document) const {
  const bool disableTessadoc = Controls().Checked(document::kTessadocDialog, document::kDisableTessadocCheck);
  m_plugins.WritePluginSection(document, disableTessadoc);
}

void CWindowPages::WriteRibbonSection(document::CWriteContext& context) const { m_ribbon.WriteRibbonSection(context); }

}  // namespace cadmira::app
