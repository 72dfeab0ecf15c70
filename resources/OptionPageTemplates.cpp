#include "resources/DialogTemplateAreas.h"

namespace cadmira::resources {
namespace {

constexpr std::uint32_t kField = kStyleAutoHScroll | kStyleBorder | kStyleTabStop;
constexpr std::uint32_t kChoice = kStyleVScroll | kStyleTabStop;
constexpr std::uint32_t kBox = kStyleTabStop;
constexpr std::uint32_t kWrappingBox = kStyleMultiline | kStyleTabStop;
// A combo box's height covers its list of at most four items.
constexpr int kChoiceHeight = 64;

// Dialog 151.
constexpr ControlTemplate kAbout[] = {
    {1011, ControlKind::Static, u"Copyright:", 7, 10, 122, 8},
    {1070, ControlKind::Edit, u"", 7, 22, 122, 12, kField},
    {1054, ControlKind::Static, u"Content:", 7, 44, 122, 8},
    {1023, ControlKind::Edit, u"", 7, 56, 122, 12, kField},
    {1055, ControlKind::Static, u"BackGroundPath:", 7, 78, 122, 8},
    {1071, ControlKind::Edit, u"", 7, 90, 122, 12, kField},
    {1005, ControlKind::PushButton, u"Browse", 140, 90, 50, 14, kStyleTabStop},
};

// Dialog 170: two labelled choices, then four wrapping check boxes in two columns.
constexpr ControlTemplate kRms[] = {
    {1043, ControlKind::Static, u"Add 'protected' to the name of encrypted files", 7, 7, 155, 18},
    {1033, ControlKind::ComboBox, u"", 167, 7, 100, kChoiceHeight, kChoice},
    {1044, ControlKind::Static, u"Encrypt metadata", 7, 29, 155, 8},
    {1034, ControlKind::ComboBox, u"", 167, 29, 100, kChoiceHeight, kChoice},
    {1035, ControlKind::CheckBox, u"Forbid Web Viewing of Protected Content", 7, 74, 150, 18, kWrappingBox},
    {1041, ControlKind::CheckBox, u"RMS Interoperability", 167, 74, 150, 18, kWrappingBox},
    {1040, ControlKind::CheckBox, u"Use Microsoft IRM Version 1", 7, 96, 150, 18, kWrappingBox},
    {1036, ControlKind::CheckBox, u"Save as", 167, 96, 150, 18, kWrappingBox},
};

// Dialog 171.
constexpr ControlTemplate kAdvertisement[] = {
    {1056, ControlKind::CheckBox, u"Remove Advertisement", 8, 8, 200, 10, kBox},
    {1046, ControlKind::CheckBox, u"Scroll", 8, 26, 200, 10, kBox},
    {1057, ControlKind::Static, u"Rolling Time: (1-60000s)", 8, 46, 96, 8},
    {1072, ControlKind::Edit, u"", 106, 44, 60, 12, kField},
};

// Dialog 172: one page for five settings; the Preferences page shows the boxes of one of them,
// all but the second box of the default viewer at the same place.
constexpr ControlTemplate kCheck[] = {
    {1053, ControlKind::CheckBox, u"Web Browser PDF Viewer", 8, 8, 301, 8, kBox},
    {1047, ControlKind::CheckBox, u"System PDF Viewer", 8, 28, 301, 8, kBox},
    {1010, ControlKind::CheckBox, u"Insert Printed PDF into Previously Generated PDF", 8, 8, 301, 8, kBox},
    {1048, ControlKind::CheckBox, u"Disable  Automatic Updates", 8, 8, 301, 8, kBox},
    {1049, ControlKind::CheckBox, u"Forbid Checking for Default PDF Viewer", 8, 8, 301, 8, kBox},
    {1052, ControlKind::CheckBox, u"Hide Start Page", 8, 8, 301, 8, kBox},
};

// Dialog 173.
constexpr ControlTemplate kLanguage[] = {
    {1045, ControlKind::CheckBox, u"Do not Show Community Languages", 8, 8, 200, 10, kBox},
    {1060, ControlKind::Static, u"Default Application Language:", 8, 30, 160, 8},
    {1061, ControlKind::Edit, u"", 8, 42, 160, 12, kField},
};

// Dialog 175.
constexpr ControlTemplate kProgramName[] = {
    {1064, ControlKind::Static, u"Program Name:", 8, 9, 60, 8},
    {1073, ControlKind::Edit, u"", 70, 7, 160, 12, kField},
};

// Dialog 176.
constexpr ControlTemplate kSafeReading[] = {
    {1065, ControlKind::Static, u"Safe Reading Mode", 7, 9, 65, 8},
    {1066, ControlKind::ComboBox, u"", 74, 7, 80, kChoiceHeight, kChoice},
};

// Dialog 177.
constexpr ControlTemplate kLink[] = {
    {1067, ControlKind::Static, u"Set User Manual Link:", 7, 13, 141, 8},
    {1074, ControlKind::Edit, u"", 7, 27, 141, 14, kField},
    {1005, ControlKind::PushButton, u"Browse", 163, 27, 50, 14, kStyleTabStop},
};

// Dialog 178.
constexpr ControlTemplate kStatusBar[] = {
    {1068, ControlKind::Static, u"Status Bar", 7, 9, 41, 8},
    {1069, ControlKind::ComboBox, u"", 50, 7, 87, kChoiceHeight, kChoice},
};

// Dialog 238: the master switch above the box of the three options it greys out.
constexpr ControlTemplate kTessadoc[] = {
    {1046, ControlKind::CheckBox, u"Disable Tessadoc features", 8, 7, 200, 10, kBox},
    {1097, ControlKind::GroupBox, u"Setting", 8, 27, 230, 116},
    {1045, ControlKind::CheckBox, u"Allow usage data to be used in Tessadoc features", 21, 43, 210, 26, kWrappingBox},
    {1080, ControlKind::CheckBox,
     u"Automatically save PDF files in Tessadoc format (including those created from plugins) only when signed in", 21,
     75, 210, 26, kWrappingBox},
    {1096, ControlKind::CheckBox,
     u"Automatically convert Office files to Tessadoc when converting to PDF via Office add-in", 21, 107, 210, 26,
     kWrappingBox},
};

// Dialog 252: the second box is never shown; only a loaded document sets it.
constexpr ControlTemplate kCheckApp[] = {
    {1046, ControlKind::CheckBox, u"Disable Security Warning ", 7, 7, 119, 10, kBox},
    {1045, ControlKind::CheckBox, u"Disable check program name", 7, 28, 107, 10, kBox},
};

// Dialogs 256 to 262 but 261: a label and a three-way choice. Each label ends before its choice
// and has room for a second line, in case a wider font wraps it.
constexpr ControlTemplate kReadMode[] = {
    {1109, ControlKind::Static, u"Lock Read Mode in web browsers:", 7, 9, 111, 18},
    {1110, ControlKind::ComboBox, u"", 120, 7, 80, kChoiceHeight, kChoice},
};

constexpr ControlTemplate kNotifyMessages[] = {
    {1112, ControlKind::Static, u"Expand Notifications:", 7, 9, 66, 18},
    {1111, ControlKind::ComboBox, u"", 75, 7, 80, kChoiceHeight, kChoice},
};

constexpr ControlTemplate kCollectData[] = {
    {1113, ControlKind::Static, u"User experience improvement:", 7, 9, 98, 18},
    {1114, ControlKind::ComboBox, u"", 107, 7, 80, kChoiceHeight, kChoice},
};

constexpr ControlTemplate kCommentsFilter[] = {
    {1109, ControlKind::Static, u"Filter Comments by the original author only:", 7, 9, 141, 18},
    {1115, ControlKind::ComboBox, u"", 150, 7, 80, kChoiceHeight, kChoice},
};

constexpr ControlTemplate kSendCrash[] = {
    {1109, ControlKind::Static, u"Share the PDF file that caused this crash:", 7, 9, 131, 18},
    {1032, ControlKind::ComboBox, u"", 140, 7, 80, kChoiceHeight, kChoice},
};

constexpr ControlTemplate kTessadocServer[] = {
    {1116, ControlKind::Static, u"Server URL:", 7, 9, 121, 8},
    {1117, ControlKind::Edit, u"", 7, 23, 121, 14, kField},
};

constexpr ControlTemplate kInternetConnection[] = {
    {1118, ControlKind::Static, u"Features which require internet connection:", 7, 9, 142, 18},
    {1119, ControlKind::ComboBox, u"", 151, 7, 80, kChoiceHeight, kChoice},
};

constexpr DialogTemplateData Page(int id, std::span<const ControlTemplate> controls,
                                  std::uint32_t style = kDialogChild) {
  return {id, u"", kOptionPageWidth, kOptionPageHeight, style, kDialogFontFace, kDialogFontPointSize, controls};
}

constexpr DialogTemplateData kTemplates[] = {
    Page(151, kAbout, kDialogChild | kDialogVisible),
    Page(170, kRms),
    Page(171, kAdvertisement),
    Page(172, kCheck),
    Page(173, kLanguage),
    Page(175, kProgramName),
    Page(176, kSafeReading),
    Page(177, kLink),
    Page(178, kStatusBar),
    Page(238, kTessadoc),
    Page(252, kCheckApp),
    Page(256, kReadMode),
    Page(257, kNotifyMessages),
    Page(258, kCollectData),
    Page(259, kCommentsFilter),
    Page(260, kSendCrash),
    Page(261, kTessadocServer),
    Page(262, kInternetConnection),
};

}  // namespace

std::span<const DialogTemplateData> OptionPageTemplates() { return kTemplates; }

}  // namespace cadmira::resources
