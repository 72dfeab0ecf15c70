#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "document/PageControls.h"
#include "document/PreferenceCatalogue.h"
#include "resources/Product.h"

namespace cadmira::pages {

// What a user picks for a control, and so how its value is spelled.
enum class ValueKind { Check, ThreeWay, StatusBar, Text };

// One control of the Preferences page, addressed by name: the key alone when its setting has a
// single control, else "Key.Attribute" after the attribute the control writes.
struct SettingName {
  std::string name;
  const document::PreferenceRow* row;
  const document::PreferenceBinding* binding;
  ValueKind kind;
};

// The names of one product's settings and their values as the pages show them: "on"/"off",
// the combo item's label ("default", "disabled", "enabled"; the status bar's four), or text.
// Names and listed values compare ignoring case.
class CVocabulary {
 public:
  explicit CVocabulary(resources::Product product);

  resources::Product Product() const { return m_product; }
  // Catalogue order, controls in the order their attributes are written.
  std::span<const SettingName> Names() const { return m_names; }

  // The setting of that name; an unknown name and a name of the other product are errors.
  Result<const SettingName*> Find(std::string_view name) const;

  // The words of a control's states, the word of state i at i; empty for an edit, which takes
  // any text.
  static std::span<const std::string_view> Values(ValueKind kind);
  // The states in the order they are offered: a check box's checked state first, as "on or off".
  static std::vector<int> ListedStates(ValueKind kind);

  // The name of a control of either product; null for a binding without a control.
  const SettingName* OfBinding(const document::PreferenceBinding& binding) const;

  // A state of a control (unchecked 0, checked 1; the combo item) in words.
  static std::string_view StateWord(ValueKind kind, int state);

  // The control's state in words.
  static std::u16string Value(const SettingName& setting, const document::IPageControls& controls);
  // Sets the control from words; a value the control does not have is an error.
  static Status SetValue(const SettingName& setting, std::string_view value, document::IPageControls& controls);

 private:
  resources::Product m_product;
  std::vector<SettingName> m_names;
  std::vector<SettingName> m_otherProductNames;
};

}  // namespace cadmira::pages
