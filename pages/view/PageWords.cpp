#include "pages/view/PageWords.h"

#include "document/ProductTable.h"
#include "localization/lookup/UiStrings.h"
#include "pages/preferences/model/OptionPageTexts.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "resources/DialogTemplate.h"
#include "resources/ReportStrings.h"

namespace cadmira::pages {
namespace {

bool IsLabelKind(resources::ControlKind kind) {
  return kind == resources::ControlKind::Static || kind == resources::ControlKind::GroupBox;
}

// The label before a control in template order, as a screen reader names it; 0 for none.
int LabelBefore(int dialogId, int controlId) {
  const resources::DialogTemplateData* dialog = resources::DialogTemplate(dialogId);
  if (dialog == nullptr) return 0;
  int label = 0;
  for (const resources::ControlTemplate& control : dialog->controls) {
    if (control.id == controlId) return label;
    if (IsLabelKind(control.kind)) label = control.id;
  }
  return 0;
}

std::u16string Trimmed(std::u16string text) {
  const std::size_t first = text.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  text.erase(text.find_last_not_of(u' ') + 1);
  return text.substr(first);
}

}  // namespace

CPageWords::CPageWords(resources::Product product, const localization::CUiStrings& strings)
    : m_product(product), m_strings(strings) {}

std::u16string CPageWords::Text(int id) const { return m_strings.Text(id); }

std::u16string CPageWords::RowText(const document::PreferenceBinding& binding) const {
  const PreferencePageRow* row = FindRowOfControl(binding.dialogId, binding.controlId);
  return row != nullptr ? Text(RowTextId(*row, m_product)) : std::u16string();
}

std::u16string CPageWords::ControlText(int dialogId, int controlId) const {
  for (const OptionPageLabel& label : TextsOfOptionPage(dialogId).labels) {
    if (label.controlId == controlId) return Text(label.stringId);
  }
  if (std::optional<std::u16string> relabelled = m_strings.ControlText(dialogId, controlId)) return *relabelled;
  if (const resources::DialogTemplateData* dialog = resources::DialogTemplate(dialogId)) {
    for (const resources::ControlTemplate& control : dialog->controls) {
      if (control.id == controlId) return std::u16string(control.text);
    }
  }
  return {};
}

std::u16string CPageWords::Label(const document::PreferenceBinding& binding) const {
  const int control = binding.kind == document::ControlKind::CheckBox
                          ? binding.controlId
                          : LabelBefore(binding.dialogId, binding.controlId);
  return control != 0 ? Trimmed(ControlText(binding.dialogId, control)) : std::u16string();
}

std::u16string CPageWords::Value(const ShownSetting& setting) const {
  switch (setting.kind) {
    case ValueKind::Check:
      return Text(setting.state == 1 ? resources::kCheckedText : resources::kNotCheckedText);
    case ValueKind::ThreeWay:
    case ValueKind::StatusBar:
      for (const OptionPageCombo& combo : TextsOfOptionPage(setting.binding->dialogId).combos) {
        if (combo.controlId != setting.binding->controlId) continue;
        if (setting.state >= 0 && static_cast<std::size_t>(setting.state) < combo.itemIds.size()) {
          return Text(combo.itemIds[setting.state]);
        }
      }
      return setting.value;
    case ValueKind::Text:
      break;
  }
  return setting.value.empty() ? Text(resources::kEmptyText) : setting.value;
}

std::u16string CPageWords::ProductName(resources::Product product) const {
  return Text(product == resources::Product::Reader ? resources::kReaderWord : resources::kOrvantaWord);
}

std::u16string TitlePath(const std::vector<std::u16string>& titles) {
  std::u16string path;
  for (const std::u16string& title : titles) {
    if (!path.empty()) path += u" \u203A ";
    path += title;
  }
  return path;
}

}  // namespace cadmira::pages
