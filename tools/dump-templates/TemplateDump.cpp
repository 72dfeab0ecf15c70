#include "TemplateDump.h"

#include <string>

#include <QString>

#include "Templates.h"
#include "resources/StringTable.h"

namespace {

using cadmira::resources::ControlKind;

constexpr int kLastStringId = 0xFFFF;

std::string Utf8(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Static:
      return "Static";
    case ControlKind::Icon:
      return "Icon";
    case ControlKind::GroupBox:
      return "GroupBox";
    case ControlKind::PushButton:
      return "PushButton";
    case ControlKind::CheckBox:
      return "CheckBox";
    case ControlKind::RadioButton:
      return "RadioButton";
    case ControlKind::Edit:
      return "Edit";
    case ControlKind::ComboBox:
      return "ComboBox";
    case ControlKind::ListBox:
      return "ListBox";
    case ControlKind::TreeView:
      return "TreeView";
    case ControlKind::TabControl:
      return "TabControl";
  }
  return "Unknown";
}

nlohmann::json DumpDialog(const cadmira::resources::DialogTemplateData& data) {
  cadmira::framework::Dialog dialog(data.id);
  dialog.Create();
  nlohmann::json controls = nlohmann::json::array();
  for (const auto& [control, widget] : TemplateWidgets(dialog, data)) {
    const QRect r = widget->geometry();
    controls.push_back({{"id", control->id},
                        {"kind", KindName(control->kind)},
                        {"text", Utf8(control->text)},
                        {"left", r.x()},
                        {"top", r.y()},
                        {"width", r.width()},
                        {"height", r.height()}});
  }
  return {{"id", data.id},
          {"caption", Utf8(data.caption)},
          {"width", dialog.width()},
          {"height", dialog.height()},
          {"controls", controls}};
}

}  // namespace

nlohmann::json DumpTemplates() {
  nlohmann::json strings = nlohmann::json::object();
  for (int id = 0; id <= kLastStringId; ++id) {
    const std::u16string_view text = cadmira::resources::EnglishString(id);
    if (!text.empty()) strings[std::to_string(id)] = Utf8(text);
  }
  nlohmann::json dialogs = nlohmann::json::array();
  for (const int id : cadmira::resources::DialogTemplateIds()) {
    dialogs.push_back(DumpDialog(*cadmira::resources::DialogTemplate(id)));
  }
  return {{"strings", strings}, {"dialogs", dialogs}};
}
