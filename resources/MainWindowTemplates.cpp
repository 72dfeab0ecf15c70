#include "resources/DialogTemplateAreas.h"

namespace cadmira::resources {
namespace {

constexpr std::uint32_t kButton = kStyleTabStop;

// Dialog 102: the tab control above a row of six evenly spaced buttons, none of them default.
constexpr ControlTemplate kMainWindow[] = {
    {1004, ControlKind::TabControl, u"", 7, 9, 407, 344, kStyleTabStop},
    {1005, ControlKind::PushButton, u"Import", 69, 364, 39, 14, kButton},
    {1006, ControlKind::PushButton, u"Export", 121, 364, 39, 14, kButton},
    {1007, ControlKind::PushButton, u"Save", 173, 364, 39, 14, kButton},
    {1008, ControlKind::PushButton, u"Language", 225, 364, 39, 14, kButton},
    {1010, ControlKind::PushButton, u"Cancel", 277, 364, 39, 14, kButton},
    {1011, ControlKind::PushButton, u"Help", 329, 364, 39, 14, kButton},
};

// Dialog 130: the language list above the product choice.
constexpr ControlTemplate kInterfaceChange[] = {
    {1008, ControlKind::Static, u"Interface Language Change", 14, 10, 158, 8},
    {1007, ControlKind::ComboBox, u"", 14, 22, 158, 60, kStyleVScroll | kStyleNoIntegralHeight | kStyleTabStop},
    {1009, ControlKind::RadioButton, u"Reader", 14, 44, 70, 10, kStyleGroup | kStyleTabStop},
    {1010, ControlKind::RadioButton, u"Orvanta", 98, 44, 70, 10},
    {kIdOk, ControlKind::PushButton, u"Confirm", 68, 66, 50, 14, kStyleDefaultButton | kStyleGroup | kStyleTabStop},
};

// Dialog 147: the program icon beside two lines of text.
constexpr ControlTemplate kAbout[] = {
    {kIdStatic, ControlKind::Icon, u"", 14, 14, 21, 20},
    {1001, ControlKind::Static, u"Cadmira 9.0.0.929", 46, 14, 200, 8},
    {1002, ControlKind::Static, u"Copyright (C) 2026 The Cadmira developers", 46, 28, 200, 8},
    {kIdOk, ControlKind::PushButton, u"OK", 260, 45, 50, 14, kStyleDefaultButton | kStyleGroup | kStyleTabStop},
};

// The cancelling button, which Escape presses.
constexpr int kCompareClose = 2;

// Dialog 300: what differs between the pages and a file, read-only but selectable.
constexpr ControlTemplate kCompare[] = {
    {1001, ControlKind::Static, u"Differences", 7, 7, 200, 8},
    {1002, ControlKind::Edit, u"", 7, 18, 406, 250,
     kStyleMultiline | kStyleReadOnly | kStyleVScroll | kStyleBorder | kStyleTabStop},
    {kCompareClose, ControlKind::PushButton, u"Close", 363, 274, 50, 14,
     kStyleDefaultButton | kStyleGroup | kStyleTabStop},
};

constexpr std::uint32_t kModal = kDialogSystemMenu | kDialogCentered;

constexpr DialogTemplateData kTemplates[] = {
    {102, u"Cadmira", 421, 390,
     kDialogSystemMenu | kDialogMinimizeBox | kDialogCentered | kDialogAcceptFiles | kDialogAppWindow, kDialogFontFace,
     kDialogFontPointSize, kMainWindow},
    {130, u"Interface", 186, 88, kModal, kDialogFontFace, kDialogFontPointSize, kInterfaceChange},
    {147, u"About Cadmira", 317, 66, kModal, kDialogFontFace, kDialogFontPointSize, kAbout},
    {300, u"Compare", 420, 295, kModal, kDialogFontFace, kDialogFontPointSize, kCompare},
};

}  // namespace

std::span<const DialogTemplateData> MainWindowTemplates() { return kTemplates; }

}  // namespace cadmira::resources
