#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "resources/ResourceIds.h"
#include "resources/Product.h"

namespace cadmira::document {

enum class ControlKind { None, CheckBox, ComboBox, Edit };

// How one control (or, for HomePage and FolderPath, no control) maps to attributes.
enum class MappingRule {
  States,           // the check state or combo index selects a row of attribute values
  Text,             // the edit's text is the attribute's value
  AlwaysEmpty,      // written empty, never read
  IntegerOn,        // written as a flag; read as an integer, only 1 checks the box
  DisableTessadoc,  // as IntegerOn, but any other value unchecks and 1 also disables the sub-options
};

struct PreferenceBinding {
  ControlKind kind;
  int dialogId;
  int controlId;
  MappingRule rule;
  std::vector<std::u16string_view> attributes;
  // For States: the attribute values of each check state (unchecked, checked) or combo item.
  std::vector<std::vector<std::u16string_view>> states;
  // For States: the state a read takes when no row matches; -1 leaves the control as it was.
  int unmatchedState = -1;
  // A status-bar choice other than Default also hides the status-bar control of the ribbon.
  bool hidesStatusBarRibbon = false;
};

enum class ProductScope { Both, ReaderOnly, OrvantaOnly };

struct PreferenceRow {
  std::u16string_view key;
  ProductScope scope;
  std::vector<std::u16string_view> attributes;  // written order, after Text
  std::vector<PreferenceBinding> bindings;      // in reading order
};

// Every setting of the Preferences section in the order it is written; both settings of the
// fifth place are listed, each with its product.
std::span<const PreferenceRow> PreferenceCatalogue();

bool RowAppliesTo(const PreferenceRow& row, resources::Product product);

// The row of a key, ignoring case; null for an unknown key.
const PreferenceRow* FindPreferenceRow(std::u16string_view key);

// The dialog and controls the Tessadoc sub-options live on.
using resources::kDisableTessadocCheck;
using resources::kTessadocDialog;

}  // namespace cadmira::document
