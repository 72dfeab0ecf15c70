#include "document/PreferenceValues.h"

namespace cadmira::document {

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

std::vector<std::u16string> BindingValues(const PreferenceBinding& binding, const IPageControls& controls) {
  switch (binding.rule) {
    case MappingRule::Text:
      return {controls.Text(binding.dialogId, binding.controlId)};
    case MappingRule::AlwaysEmpty:
      return std::vector<std::u16string>(binding.attributes.size());
    case MappingRule::States:
    case MappingRule::IntegerOn:
    case MappingRule::DisableTessadoc:
      break;
  }
  const std::vector<std::u16string_view>& state = binding.states[StateOf(binding, controls)];
  std::vector<std::u16string> values;
  for (std::size_t i = 0; i < binding.attributes.size(); ++i) values.emplace_back(state[i]);
  return values;
}

std::vector<std::u16string> WrittenValues(const PreferenceRow& row, const IPageControls& controls) {
  std::vector<std::u16string> values;
  for (const PreferenceBinding& binding : row.bindings) {
    std::vector<std::u16string> written = BindingValues(binding, controls);
    values.insert(values.end(), std::make_move_iterator(written.begin()), std::make_move_iterator(written.end()));
  }
  return values;
}

}  // namespace cadmira::document
