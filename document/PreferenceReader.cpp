#include "document/PreferenceReader.h"

#include "base/AsciiCase.h"
#include "base/XmlTree.h"
#include "document/PreferenceCatalogue.h"
#include "document/SectionLookup.h"
#include "document/Utf8Text.h"

namespace cadmira::document {
namespace {

// The sub-options that disabling the whole Tessadoc feature greys out.
constexpr int kTessadocSubOptions[] = {1080, 1045, 1096};

// The state a read takes: the matching one, else the binding's fallback (-1: none).
int MatchingState(const PreferenceBinding& binding, const CXML_TreeElement* element) {
  const int state = MatchedState(binding, element);
  return state >= 0 ? state : binding.unmatchedState;
}

void SetState(const PreferenceBinding& binding, int state, IPageControls& controls) {
  if (binding.kind == ControlKind::CheckBox) {
    controls.SetChecked(binding.dialogId, binding.controlId, state == 1);
  } else if (binding.kind == ControlKind::ComboBox) {
    controls.SetComboIndex(binding.dialogId, binding.controlId, state);
  }
}

void ApplyBinding(const PreferenceBinding& binding, const CXML_TreeElement* element, IPageControls& controls) {
  const std::string attribute = binding.attributes.empty() ? std::string() : ToUtf8(binding.attributes[0]);
  switch (binding.rule) {
    case MappingRule::AlwaysEmpty:
      return;
    case MappingRule::Text:
      controls.SetText(binding.dialogId, binding.controlId, AttributeOrEmpty(element, attribute));
      return;
    case MappingRule::IntegerOn:
      if (ReadsAsOn(binding, element)) controls.SetChecked(binding.dialogId, binding.controlId, true);
      return;
    case MappingRule::DisableTessadoc: {
      const bool disabled = ReadsAsOn(binding, element);
      controls.SetChecked(binding.dialogId, binding.controlId, disabled);
      if (disabled) {
        for (int option : kTessadocSubOptions) controls.SetEnabled(binding.dialogId, option, false);
      }
      return;
    }
    case MappingRule::States:
      break;
  }
  const int state = MatchingState(binding, element);
  if (state >= 0) SetState(binding, state, controls);
}

}  // namespace

int MatchedState(const PreferenceBinding& binding, const CXML_TreeElement* element) {
  std::vector<std::u16string> values;
  for (std::u16string_view name : binding.attributes) values.push_back(AttributeOrEmpty(element, ToUtf8(name)));
  for (std::size_t state = 0; state < binding.states.size(); ++state) {
    bool equal = true;
    for (std::size_t i = 0; i < values.size() && equal; ++i)
      equal = AsciiEqualNoCase(values[i], binding.states[state][i]);
    if (equal) return static_cast<int>(state);
  }
  return -1;
}

int AttributeIntOrZero(const CXML_TreeElement* element, std::string_view name) {
  int value = 0;
  if (!AttributeInt(element, name, value)) return 0;
  return value;
}

bool ReadsAsOn(const PreferenceBinding& binding, const CXML_TreeElement* element) {
  return !binding.attributes.empty() && AttributeIntOrZero(element, ToUtf8(binding.attributes[0])) == 1;
}

std::u16string AttributeOrEmpty(const CXML_TreeElement* element, std::string_view name) {
  CZD_WideStr value;
  if (!AttributeText(element, name, value)) return {};
  return std::u16string(value.View());
}

std::vector<const CXML_TreeElement*> PreferenceElements(const CXML_TreeElement* root) {
  std::vector<const CXML_TreeElement*> elements;
  const CXML_TreeElement* preferences = PreferencesElement(root);
  const int count = ChildCount(preferences);
  for (int i = 0; i < count; ++i) {
    if (const CXML_TreeElement* child = ChildElement(preferences, i)) elements.push_back(child);
  }
  return elements;
}

void ApplyPreferenceElement(std::u16string_view key, const CXML_TreeElement* element, IPageControls& controls) {
  const PreferenceRow* row = FindPreferenceRow(key);
  if (!row) return;
  for (const PreferenceBinding& binding : row->bindings) ApplyBinding(binding, element, controls);
}

void ApplyPreferenceSection(const CXML_TreeElement* root, IPageControls& controls) {
  // Without its section in place the page, version box included, keeps its state.
  if (!PreferencesElement(root)) return;
  for (const CXML_TreeElement* element : PreferenceElements(root)) {
    ApplyPreferenceElement(AttributeOrEmpty(element, "Text"), element, controls);
  }
  controls.SetText(kPreferencesDialog, kVersionEdit, AttributeOrEmpty(root, "version"));
}

}  // namespace cadmira::document
