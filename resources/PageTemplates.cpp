#include "resources/DialogTemplateAreas.h"

namespace cadmira::resources {
namespace {

constexpr std::uint32_t kDescriptionEdit = kStyleMultiline | kStyleReadOnly | kStyleVScroll | kStyleBorder;
constexpr std::uint32_t kFindEdit = kStyleAutoHScroll | kStyleBorder | kStyleTabStop;

// Dialog 152: the version on top; the setting list beside its description; the option pages
// below, inside the "Options" box, which is wide enough for the widest check box of them.
constexpr ControlTemplate kPreferences[] = {
    {1010, ControlKind::Static, u"Version of Zandor Reader:", 7, 9, 112, 8},
    {1075, ControlKind::Edit, u"", 120, 7, 120, 12, kStyleAutoHScroll | kStyleBorder | kStyleTabStop},
    {1020, ControlKind::ListBox, u"", 7, 24, 160, 122,
     kStyleSorted | kStyleNotify | kStyleVScroll | kStyleHScroll | kStyleNoIntegralHeight | kStyleBorder |
         kStyleTabStop},
    {1027, ControlKind::GroupBox, u"Options", 7, 150, 386, 168},
    {1026, ControlKind::GroupBox, u"Description", 174, 20, 219, 126},
    {1025, ControlKind::Edit, u"", 181, 32, 205, 108, kDescriptionEdit | kStyleTabStop},
    // The find row, last so that it names none of the controls above.
    {1101, ControlKind::Static, u"Find:", 246, 9, 22, 8},
    {1102, ControlKind::Edit, u"", 269, 7, 52, 12, kFindEdit},
    {1103, ControlKind::CheckBox, u"Changed only", 325, 7, 68, 12, kStyleTabStop},
};

// Dialog 149.
constexpr ControlTemplate kRibbon[] = {
    {1028, ControlKind::Static, u"Ribbon Options:", 7, 7, 210, 15},
    {1022, ControlKind::TreeView, u"", 7, 22, 333, 194,
     kStyleHasButtons | kStyleHasLines | kStyleLinesAtRoot | kStyleCheckBoxes | kStyleNoHScroll | kStyleBorder |
         kStyleTabStop},
    {1026, ControlKind::GroupBox, u"Description", 7, 226, 333, 82},
    {1025, ControlKind::Edit, u"", 14, 236, 312, 58, kStyleMultiline | kStyleReadOnly},
    // The find field and the count of hidden controls, last so that they name none of the above.
    {1101, ControlKind::Static, u"Find:", 222, 9, 24, 8},
    {1102, ControlKind::Edit, u"", 248, 7, 92, 12, kFindEdit},
    {1104, ControlKind::Static, u"", 7, 217, 333, 8},
};

// Dialog 150: the plug-in list, then the box that adds one, then the description, as on the
// Ribbon page.
constexpr ControlTemplate kPlugins[] = {
    {1029, ControlKind::Static, u"Plugin List:", 7, 7, 210, 10},
    {1031, ControlKind::TreeView, u"", 7, 20, 333, 140,
     kStyleHasButtons | kStyleLinesAtRoot | kStyleCheckBoxes | kStyleFullRowSelect | kStyleShowSelAlways |
         kStyleNoHScroll | kStyleBorder | kStyleTabStop},
    {1005, ControlKind::PushButton, u"Delete", 290, 164, 50, 14, kStyleTabStop},
    {1078, ControlKind::GroupBox, u"Plugin Edit", 7, 184, 333, 36},
    {1077, ControlKind::Static, u"Plugin Path:", 14, 200, 48, 8},
    {1024, ControlKind::Edit, u"", 64, 198, 162, 12, kStyleReadOnly | kStyleAutoHScroll | kStyleBorder | kStyleTabStop},
    {1027, ControlKind::PushButton, u"Browse", 232, 197, 50, 14, kStyleTabStop},
    {1023, ControlKind::PushButton, u"Add", 286, 197, 50, 14, kStyleTabStop},
    {1026, ControlKind::GroupBox, u"Description", 7, 226, 333, 82},
    {1025, ControlKind::Edit, u"", 14, 234, 312, 70, kDescriptionEdit},
    // The find field and the count of hidden plug-ins, last so that they name none of the above.
    {1101, ControlKind::Static, u"Find:", 222, 8, 24, 8},
    {1102, ControlKind::Edit, u"", 248, 6, 92, 12, kFindEdit},
    {1104, ControlKind::Static, u"", 7, 166, 278, 8},
};

constexpr DialogTemplateData kTemplates[] = {
    {149, u"", 347, 315, kDialogChild, kDialogFontFace, kDialogFontPointSize, kRibbon},
    {150, u"", 347, 315, kDialogChild, kDialogFontFace, kDialogFontPointSize, kPlugins},
    {152, u"", 400, 325, kDialogChild, kDialogFontFace, kDialogFontPointSize, kPreferences},
};

}  // namespace

std::span<const DialogTemplateData> PageTemplates() { return kTemplates; }

}  // namespace cadmira::resources
