#include "document/PreferenceWriter.h"

#include "document/HideRibbonPath.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceValues.h"

namespace cadmira::document {
namespace {

const RibbonPath& StatusBarRibbonPath() {
  static const RibbonPath path{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"};
  return path;
}

void SetExisting(CDomDocument& document, CDomElement element, std::u16string_view name, std::u16string_view value) {
  if (CDomAttribute attribute = document.AttributeNode(element, name)) document.SetAttributeValue(attribute, value);
}

}  // namespace

void WritePreferenceSection(CDomDocument& document, CDomElement preferences, resources::Product product) {
  for (const PreferenceRow& row : PreferenceCatalogue()) {
    if (!RowAppliesTo(row, product)) continue;
    CDomElement element = document.CreateElement(u"Preference");
    document.SetAttribute(element, u"Text", row.key);
    for (std::u16string_view name : row.attributes) document.SetAttribute(element, name, u"");
    document.Append(preferences, element);
  }
}

void FillPreferenceElement(CWriteContext& context, std::u16string_view key, CDomElement element,
                           const IPageControls& controls) {
  const PreferenceRow* row = FindPreferenceRow(key);
  if (!row) return;
  CDomDocument& document = RequireDocument(context);
  for (const PreferenceBinding& binding : row->bindings) {
    const std::vector<std::u16string> values = BindingValues(binding, controls);
    for (std::size_t i = 0; i < values.size(); ++i) SetExisting(document, element, binding.attributes[i], values[i]);
    if (binding.hidesStatusBarRibbon && StateOf(binding, controls) != 0) HideRibbonPath(context, StatusBarRibbonPath());
  }
}

void FillPreferenceSection(CWriteContext& context, const IPageControls& controls) {
  CDomDocument& document = RequireDocument(context);
  CDomElement preferences = document.FindByTag(u"Preferences");
  if (!preferences) return;
  for (CDomElement child = document.FirstChild(preferences); child; child = document.NextSibling(child)) {
    const CDomAttribute text = document.AttributeNode(child, u"Text");
    FillPreferenceElement(context, text ? document.AttributeValue(text) : std::u16string(), child, controls);
  }
}

}  // namespace cadmira::document
