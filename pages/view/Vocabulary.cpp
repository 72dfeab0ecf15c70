#include "pages/view/Vocabulary.h"

#include <algorithm>
#include <array>

#include "base/AsciiCase.h"
#include "pages/view/ProductWords.h"
#include "document/Utf8Text.h"

namespace cadmira::pages {
namespace {

using document::ControlKind;
using document::PreferenceBinding;
using document::PreferenceRow;

constexpr std::array<std::string_view, 2> kCheckValues{"off", "on"};
constexpr std::array<std::string_view, 3> kThreeWayValues{"default", "disabled", "enabled"};
constexpr std::array<std::string_view, 4> kStatusBarValues{"default", "auto-hide", "show", "hide"};
constexpr int kStatusBarItems = 4;

ValueKind KindOfControl(const PreferenceBinding& binding) {
  switch (binding.kind) {
    case ControlKind::CheckBox:
      return ValueKind::Check;
    case ControlKind::ComboBox:
      return binding.states.size() == kStatusBarItems ? ValueKind::StatusBar : ValueKind::ThreeWay;
    case ControlKind::Edit:
    case ControlKind::None:
      break;
  }
  return ValueKind::Text;
}

// The row's controls in the order their attributes are written.
std::vector<const PreferenceBinding*> ControlsInWrittenOrder(const PreferenceRow& row) {
  std::vector<const PreferenceBinding*> controls;
  for (std::u16string_view attribute : row.attributes) {
    for (const PreferenceBinding& binding : row.bindings) {
      if (binding.kind != ControlKind::None && !binding.attributes.empty() && binding.attributes[0] == attribute) {
        controls.push_back(&binding);
      }
    }
  }
  return controls;
}

void AppendNames(const PreferenceRow& row, std::vector<SettingName>& names) {
  const std::vector<const PreferenceBinding*> controls = ControlsInWrittenOrder(row);
  const std::string key = document::ToUtf8(row.key);
  for (const PreferenceBinding* binding : controls) {
    std::string name = controls.size() == 1 ? key : key + '.' + document::ToUtf8(binding->attributes[0]);
    names.push_back({std::move(name), &row, binding, KindOfControl(*binding)});
  }
}

const SettingName* FindIn(std::span<const SettingName> names, std::string_view name) {
  for (const SettingName& setting : names) {
    if (AsciiEqualNoCase(setting.name, name)) return &setting;
  }
  return nullptr;
}

std::string ListOfValues(ValueKind kind) {
  const std::vector<int> states = CVocabulary::ListedStates(kind);
  std::string text;
  for (std::size_t i = 0; i < states.size(); ++i) {
    if (i > 0) text += i + 1 == states.size() ? " or " : ", ";
    text += CVocabulary::StateWord(kind, states[i]);
  }
  return text;
}

}  // namespace

CVocabulary::CVocabulary(resources::Product product) : m_product(product) {
  for (const PreferenceRow& row : document::PreferenceCatalogue()) {
    AppendNames(row, document::RowAppliesTo(row, product) ? m_names : m_otherProductNames);
  }
}

Result<const SettingName*> CVocabulary::Find(std::string_view name) const {
  if (const SettingName* setting = FindIn(m_names, name)) return setting;
  if (const SettingName* setting = FindIn(m_otherProductNames, name)) {
    return Error{'"' + setting->name + "\" is a setting of " + ProductName(OtherProduct(m_product)) + ", not of " +
                 ProductName(m_product)};
  }
  if (const PreferenceRow* row = document::FindPreferenceRow(document::FromUtf8(name))) {
    std::vector<SettingName> controls;
    AppendNames(*row, controls);
    if (controls.empty()) return Error{'"' + std::string(name) + "\" has no control on the Preferences page"};
    std::string names;
    for (const SettingName& control : controls) names += (names.empty() ? "" : ", ") + control.name;
    return Error{'"' + std::string(name) + "\" has several controls: " + names};
  }
  return Error{"unknown setting \"" + std::string(name) + "\" of " + ProductName(m_product) +
               " (cadmira-cli settings lists them)"};
}

const SettingName* CVocabulary::OfBinding(const PreferenceBinding& binding) const {
  for (const std::vector<SettingName>* names : {&m_names, &m_otherProductNames}) {
    for (const SettingName& setting : *names) {
      if (setting.binding == &binding) return &setting;
    }
  }
  return nullptr;
}

std::string_view CVocabulary::StateWord(ValueKind kind, int state) {
  const std::span<const std::string_view> values = Values(kind);
  if (values.empty()) return {};
  return state >= 0 && static_cast<std::size_t>(state) < values.size() ? values[state] : values[0];
}

std::span<const std::string_view> CVocabulary::Values(ValueKind kind) {
  switch (kind) {
    case ValueKind::Check:
      return kCheckValues;
    case ValueKind::ThreeWay:
      return kThreeWayValues;
    case ValueKind::StatusBar:
      return kStatusBarValues;
    case ValueKind::Text:
      break;
  }
  return {};
}

std::vector<int> CVocabulary::ListedStates(ValueKind kind) {
  std::vector<int> states(Values(kind).size());
  for (std::size_t i = 0; i < states.size(); ++i) states[i] = static_cast<int>(i);
  if (kind == ValueKind::Check) std::reverse(states.begin(), states.end());
  return states;
}

std::u16string CVocabulary::Value(const SettingName& setting, const document::IPageControls& controls) {
  const PreferenceBinding& binding = *setting.binding;
  switch (setting.kind) {
    case ValueKind::Check:
      return document::FromUtf8(StateWord(setting.kind, controls.Checked(binding.dialogId, binding.controlId) ? 1 : 0));
    case ValueKind::ThreeWay:
    case ValueKind::StatusBar:
      // No selection is written as item 0 would be, which is what StateWord gives it.
      return document::FromUtf8(StateWord(setting.kind, controls.ComboIndex(binding.dialogId, binding.controlId)));
    case ValueKind::Text:
      break;
  }
  return controls.Text(binding.dialogId, binding.controlId);
}

Status CVocabulary::SetValue(const SettingName& setting, std::string_view value, document::IPageControls& controls) {
  const PreferenceBinding& binding = *setting.binding;
  if (setting.kind == ValueKind::Text) {
    controls.SetText(binding.dialogId, binding.controlId, document::FromUtf8(value));
    return {};
  }
  const std::span<const std::string_view> values = Values(setting.kind);
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!AsciiEqualNoCase(values[i], value)) continue;
    if (setting.kind == ValueKind::Check) {
      controls.SetChecked(binding.dialogId, binding.controlId, i == 1);
    } else {
      controls.SetComboIndex(binding.dialogId, binding.controlId, static_cast<int>(i));
    }
    return {};
  }
  return Error{'"' + setting.name + "\" takes " + ListOfValues(setting.kind) + ", not \"" + std::string(value) + '"'};
}

}  // namespace cadmira::pages
