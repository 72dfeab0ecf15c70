#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "resources/ResourceIds.h"

namespace cadmira::resources {

enum class ControlKind {
  Static,
  Icon,  // the program icon, drawn at the control's place
  GroupBox,
  PushButton,
  CheckBox,     // automatic two-state
  RadioButton,  // automatic; a group starts at a control with kStyleGroup
  Edit,
  ComboBox,  // drop-down with an edit field; its height includes the drop-down list
  ListBox,
  TreeView,
  TabControl,
};

// Window styles that change how a control behaves; combined as a bit mask.
enum ControlStyle : std::uint32_t {
  kStyleNone = 0,
  kStyleDefaultButton = 1u << 0,
  kStyleMultiline = 1u << 1,  // an edit of several lines, or a check box whose text wraps
  kStyleReadOnly = 1u << 2,
  kStyleVScroll = 1u << 3,
  kStyleHScroll = 1u << 4,
  kStyleAutoHScroll = 1u << 5,
  kStyleSorted = 1u << 6,
  kStyleCheckBoxes = 1u << 7,
  kStyleGroup = 1u << 8,
  kStyleTabStop = 1u << 9,
  kStyleHidden = 1u << 10,
  kStyleDisabled = 1u << 11,
  kStyleHasButtons = 1u << 12,
  kStyleHasLines = 1u << 13,
  kStyleLinesAtRoot = 1u << 14,
  kStyleCenter = 1u << 15,
  kStyleRight = 1u << 16,
  kStyleNumber = 1u << 17,
  kStylePassword = 1u << 18,
  kStyleWantReturn = 1u << 19,
  kStyleShowSelAlways = 1u << 20,
  kStyleBorder = 1u << 21,
  kStyleNotify = 1u << 22,            // a list box that reports selection changes
  kStyleNoIntegralHeight = 1u << 23,  // a list (of a list box or combo box) keeps its template height
  kStyleFullRowSelect = 1u << 24,
  kStyleNoHScroll = 1u << 25,  // a tree view never scrolls sideways
};

// One control of a dialog template; geometry in dialog units.
struct ControlTemplate {
  int id;
  ControlKind kind;
  std::u16string_view text;
  int x, y, width, height;
  std::uint32_t style = kStyleNone;
};

enum DialogStyle : std::uint32_t {
  kDialogNone = 0,
  kDialogChild = 1u << 0,  // a page or option page inside another window
  kDialogSystemMenu = 1u << 1,
  kDialogMinimizeBox = 1u << 2,
  kDialogCentered = 1u << 3,
  kDialogAcceptFiles = 1u << 4,
  kDialogVisible = 1u << 5,    // a child page shown as soon as it is created
  kDialogAppWindow = 1u << 6,  // has its own entry in the taskbar
};

struct DialogTemplateData {
  int id;
  std::u16string_view caption;
  int width, height;  // dialog units
  std::uint32_t style;
  std::u16string_view fontFace;
  int fontPointSize;
  std::span<const ControlTemplate> controls;
};

// Labels that nothing addresses; the confirming button is kIdOk.
inline constexpr int kIdStatic = -1;

inline constexpr std::u16string_view kDialogFontFace = u"MS Shell Dlg";
inline constexpr int kDialogFontPointSize = 8;

// Every option page has this size; the Preferences page places them inside its "Options" box.
inline constexpr int kOptionPageWidth = 376;
inline constexpr int kOptionPageHeight = 146;

// The template of dialog `id`; null when the program has no such dialog.
const DialogTemplateData* DialogTemplate(int id);

// The ids of every dialog template, in increasing order.
std::vector<int> DialogTemplateIds();

}  // namespace cadmira::resources
