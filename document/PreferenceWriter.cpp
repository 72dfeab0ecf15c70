#include "document/PreferenceWriter.h"

#include "document/HideRibbonPath.h"
#include "document/PreferenceCatalogue.h"

namespace cadmira::document {
namespace {

const RibbonPath& StatusBarRibbonPath() {
  static const RibbonPath path{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"};
  return path;
}

// The state a control is in, as an index into the binding's states; no selection, or one
// the binding does not know, counts as the first state.
std::size_t StateOf(const PreferenceBinding& binding, const IPageControls& controls) {
  int state = 0;
  if (binding.kind == ControlKind::CheckBox) {
    state = controls.Checked(binding.dialogId, binding.controlId) ? 1 : 0;
  } else if (binding.kind == ControlKind::ComboBox) {
    state = controls.ComboIndex(binding.dialogId, binding.controlId);
  }
  if (state < 0 || static_cast<std::size_t>(state) >= binding.states.size()) state = 0;
  return static_cast<std::size_t>(state);
}

void SetExisting(CDomDocument& document, CDomElement element, std::u16string_view name, std::u16string_view value) {
  if (CDomAttribute attribute = document.AttributeNode(element, name)) document.SetAttributeValue(attribute, value);
}

// Returns the state it wrote, for the ribbon coupling.
std::size_t FillBinding(CDomDocument& document, CDomElement element, const PreferenceBinding& binding,
                        const IPageControls& controls) {
  switch (binding.rule) {
    case MappingRule::Text:
      SetExisting(document, element, binding.attributes[0], controls.Text(binding.dialogId, binding.controlId));
      return 0;
    case MappingRule::AlwaysEmpty:
      for (std::u16string_view name : binding.attributes) SetExisting(document, element, name, u"");
      return 0;
    case MappingRule::States:
    case MappingRule::IntegerOn:
    case MappingRule::DisableTessadoc:
      break;
  }
  const std::size_t state = StateOf(binding, controls);
  for (std::size_t i = 0; i < binding.attributes.size(); ++i) {
    SetExisting(document, element, binding.attributes[i], binding.states[state][i]);
  }
  return state;
}

}  // namespace

void WritePreferenceSection(CDomDocument& document, CDomElement preferences, int product) {
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
    const std::size_t state = FillBinding(document, element, binding, controls);
    if (binding.hidesStatusBarRibbon && state != 0) HideRibbonPath(context, StatusBarRibbonPath());
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
