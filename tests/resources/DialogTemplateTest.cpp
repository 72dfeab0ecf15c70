#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <iterator>
#include <tuple>
#include <vector>

namespace cadmira::resources {
namespace {

const std::vector<int> kProgramDialogs = {102, 130, 147, 149, 150, 151, 152, 170, 171, 172, 173, 175, 176,
                                          177, 178, 238, 252, 256, 257, 258, 259, 260, 261, 262, 300};
const std::vector<int> kOptionPages = {151, 170, 171, 172, 173, 175, 176, 177, 178,
                                       238, 252, 256, 257, 258, 259, 260, 261, 262};

struct Rect {
  int left, top, right, bottom;
};

// A combo box's template height includes its drop-down list; on the page it is one field high.
int VisibleHeight(const ControlTemplate& c) { return c.kind == ControlKind::ComboBox ? 12 : c.height; }

bool Overlap(const ControlTemplate& a, const ControlTemplate& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + VisibleHeight(b) && b.y < a.y + VisibleHeight(a);
}

bool Contains(const ControlTemplate& outer, const ControlTemplate& inner) {
  return outer.x <= inner.x && outer.y <= inner.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + VisibleHeight(inner) <= outer.y + outer.height;
}

const ControlTemplate* Control(const DialogTemplateData& dialog, int id) {
  const auto found = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                                  [id](const ControlTemplate& c) { return c.id == id; });
  return found == dialog.controls.end() ? nullptr : &*found;
}

// Dialog units to pixels as the platform rounds them (MulDiv), for a font's base units at a scale.
struct Units {
  int baseX, baseY;
  double scale;
  int X(int du) const { return (du * Scaled(baseX) * 2 + 4) / 8; }
  int Y(int du) const { return (du * Scaled(baseY) * 2 + 8) / 16; }
  int Px(int pixels) const { return static_cast<int>(pixels * scale); }
  int Scaled(int base) const { return static_cast<int>(base * scale + 0.5); }
};

const Units kUnitSets[] = {{6, 13, 1.0}, {6, 13, 1.5}, {7, 15, 1.0}, {7, 16, 1.25}};

TEST(DialogTemplate, EveryDialogOfTheProgramHasItsTemplate) {
  EXPECT_EQ(DialogTemplateIds(), kProgramDialogs);
  for (const int id : kProgramDialogs) {
    const DialogTemplateData* dialog = DialogTemplate(id);
    ASSERT_NE(dialog, nullptr) << id;
    EXPECT_EQ(dialog->id, id);
    EXPECT_FALSE(dialog->controls.empty()) << id;
    EXPECT_EQ(dialog->fontFace, u"MS Shell Dlg") << id;
    EXPECT_EQ(dialog->fontPointSize, 8) << id;
  }
  EXPECT_EQ(DialogTemplate(0), nullptr);
  EXPECT_EQ(DialogTemplate(101), nullptr);
  EXPECT_EQ(DialogTemplate(-1), nullptr);
}

TEST(DialogTemplate, ControlIdsAreUniqueWithinEachDialog) {
  for (const int id : kProgramDialogs) {
    std::set<int> seen;
    for (const ControlTemplate& c : DialogTemplate(id)->controls) {
      if (c.id == kIdStatic) continue;
      EXPECT_TRUE(seen.insert(c.id).second) << "dialog " << id << " repeats control " << c.id;
    }
  }
}

TEST(DialogTemplate, ControlsLieInsideTheirDialog) {
  for (const int id : kProgramDialogs) {
    const DialogTemplateData& dialog = *DialogTemplate(id);
    for (const ControlTemplate& c : dialog.controls) {
      EXPECT_GE(c.x, 0) << id << "/" << c.id;
      EXPECT_GE(c.y, 0) << id << "/" << c.id;
      EXPECT_GT(c.width, 0) << id << "/" << c.id;
      EXPECT_GT(c.height, 0) << id << "/" << c.id;
      EXPECT_LE(c.x + c.width, dialog.width) << id << "/" << c.id;
      EXPECT_LE(c.y + c.height, dialog.height) << id << "/" << c.id;
    }
  }
}

// Controls overlap only where a group box frames them. The check-box page stacks its boxes on
// purpose: only those of one setting are shown at a time.
TEST(DialogTemplate, ControlsDoNotOverlapUnlessFramed) {
  for (const int id : kProgramDialogs) {
    if (id == 172) continue;
    const auto controls = DialogTemplate(id)->controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const ControlTemplate& a = controls[i];
        const ControlTemplate& b = controls[j];
        if (!Overlap(a, b)) continue;
        const bool framed =
            (a.kind == ControlKind::GroupBox && Contains(a, b)) || (b.kind == ControlKind::GroupBox && Contains(b, a));
        EXPECT_TRUE(framed) << "dialog " << id << ": " << a.id << " overlaps " << b.id;
      }
    }
  }
}

// The Preferences page moves every option page into its "Options" box, 4 pixels inside its sides
// and 30 pixels below its top (both scaled): every page and its controls must fit there.
TEST(DialogTemplate, OptionPagesFitTheOptionsBox) {
  const ControlTemplate& options = *Control(*DialogTemplate(152), 1027);
  for (const Units& u : kUnitSets) {
    const int areaWidth = u.X(options.width) - 2 * u.Px(4);
    const int areaHeight = u.Y(options.height) - u.Px(30) - u.Px(4);
    for (const int id : kOptionPages) {
      const DialogTemplateData& page = *DialogTemplate(id);
      EXPECT_LE(u.X(page.width), areaWidth) << id << " at base " << u.baseX << "x" << u.baseY;
      EXPECT_LE(u.Y(page.height), areaHeight) << id << " at base " << u.baseX << "x" << u.baseY;
      EXPECT_EQ(page.style & kDialogChild, kDialogChild) << id;
    }
  }
}

// The main window places its pages 26 pixels below the tab control's top and 4 above its bottom.
TEST(DialogTemplate, PagesFitTheTabControl) {
  const ControlTemplate& tab = *Control(*DialogTemplate(102), 1004);
  for (const Units& u : kUnitSets) {
    for (const int id : {149, 150, 152}) {
      const DialogTemplateData& page = *DialogTemplate(id);
      EXPECT_LE(u.X(page.width), u.X(tab.width) - 2 * u.Px(4)) << id;
      EXPECT_LE(u.Y(page.height), u.Y(tab.height) - u.Px(26) - u.Px(4)) << id;
    }
  }
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

// The main window's command buttons sit under the tab control as one even row of equal buttons.
TEST(DialogTemplate, TheMainButtonsFormOneEvenRowUnderTheTabs) {
  const DialogTemplateData& window = *DialogTemplate(102);
  const ControlTemplate& tabs = *Control(window, 1004);
  const int buttons[] = {1005, 1006, 1007, 1008, 1010, 1011};
  const ControlTemplate& first = *Control(window, buttons[0]);
  const int gap = Control(window, buttons[1])->x - first.x;
  EXPECT_GT(gap, first.width);
  for (std::size_t i = 0; i < std::size(buttons); ++i) {
    const ControlTemplate& button = *Control(window, buttons[i]);
    EXPECT_EQ(button.kind, ControlKind::PushButton) << buttons[i];
    EXPECT_EQ(button.y, first.y) << buttons[i];
    EXPECT_EQ(button.width, first.width) << buttons[i];
    EXPECT_EQ(button.height, first.height) << buttons[i];
    EXPECT_EQ(button.x, first.x + static_cast<int>(i) * gap) << buttons[i];
    EXPECT_GT(button.y, tabs.y + tabs.height) << buttons[i];
  }
}

// The check-box page shows the box of one row at a time, all in one place; DefaultReader's
// second box stands under its first.
TEST(DialogTemplate, TheCheckPageShowsEachRowsBoxInOnePlace) {
  const DialogTemplateData& page = *DialogTemplate(172);
  const ControlTemplate& first = *Control(page, 1052);
  for (const int id : {1053, 1010, 1048, 1049}) {
    const ControlTemplate& box = *Control(page, id);
    EXPECT_EQ(box.kind, ControlKind::CheckBox) << id;
    EXPECT_EQ((std::vector<int>{box.x, box.y, box.width, box.height}),
              (std::vector<int>{first.x, first.y, first.width, first.height}))
        << id;
  }
  const ControlTemplate& second = *Control(page, 1047);
  EXPECT_EQ(second.x, first.x);
  EXPECT_GE(second.y, first.y + first.height);
}

// A browse button stands to the right of the path it fills in, on the same line; the ribbon
// page's description sits in its group box under the tree.
TEST(DialogTemplate, ControlsThatBelongTogetherStandTogether) {
  for (const auto& [dialog, edit, button] : {std::tuple{151, 1071, 1005}, std::tuple{150, 1024, 1027}}) {
    const ControlTemplate& path = *Control(*DialogTemplate(dialog), edit);
    const ControlTemplate& browse = *Control(*DialogTemplate(dialog), button);
    EXPECT_EQ(path.kind, ControlKind::Edit) << dialog;
    EXPECT_EQ(browse.kind, ControlKind::PushButton) << dialog;
    EXPECT_GE(browse.x, path.x + path.width) << dialog;
    EXPECT_LT(browse.y, path.y + path.height) << dialog;
    EXPECT_GT(browse.y + browse.height, path.y) << dialog;
  }
  const DialogTemplateData& ribbon = *DialogTemplate(149);
  const ControlTemplate& tree = *Control(ribbon, 1022);
  const ControlTemplate& box = *Control(ribbon, 1026);
  EXPECT_TRUE(Inside(*Control(ribbon, 1025), box));
  EXPECT_GE(box.y, tree.y + tree.height);
}

TEST(DialogTemplate, MainWindowHasNoDefaultButtonAndAcceptsFiles) {
  const DialogTemplateData& window = *DialogTemplate(102);
  EXPECT_EQ(window.width, 421);
  EXPECT_EQ(window.height, 390);
  for (const ControlTemplate& c : window.controls) EXPECT_EQ(c.style & kStyleDefaultButton, 0u) << c.id;
  EXPECT_NE(window.style & kDialogAcceptFiles, 0u);
  EXPECT_NE(window.style & kDialogMinimizeBox, 0u);
  EXPECT_EQ(window.style & kDialogChild, 0u);
}

TEST(DialogTemplate, ModalDialogsConfirmWithTheirDefaultButton) {
  for (const int id : {130, 147}) {
    int defaults = 0;
    for (const ControlTemplate& c : DialogTemplate(id)->controls) {
      if (c.style & kStyleDefaultButton) {
        ++defaults;
        EXPECT_EQ(c.id, kIdOk) << id;
        EXPECT_EQ(c.kind, ControlKind::PushButton) << id;
      }
    }
    EXPECT_EQ(defaults, 1) << id;
  }
  EXPECT_EQ(DialogTemplate(147)->width, 317);
  EXPECT_EQ(DialogTemplate(147)->height, 66);
}

TEST(DialogTemplate, ProductRadioButtonsFormOneGroup) {
  const DialogTemplateData& dialog = *DialogTemplate(130);
  const auto& controls = dialog.controls;
  const auto reader = std::find_if(controls.begin(), controls.end(), [](const auto& c) { return c.id == 1009; });
  ASSERT_NE(reader, controls.end());
  ASSERT_LT(reader + 2, controls.end());
  EXPECT_EQ(reader->kind, ControlKind::RadioButton);
  EXPECT_NE(reader->style & kStyleGroup, 0u);
  EXPECT_EQ((reader + 1)->id, 1010);
  EXPECT_EQ((reader + 1)->style & kStyleGroup, 0u);
  EXPECT_NE((reader + 2)->style & kStyleGroup, 0u) << "the control after the radio buttons starts a new group";
}

TEST(DialogTemplate, PagesStartHiddenButTheAboutPage) {
  for (const int id : kOptionPages) {
    EXPECT_EQ((DialogTemplate(id)->style & kDialogVisible) != 0, id == 151) << id;
  }
}

TEST(DialogTemplate, ControlKindsAndStylesThePagesRelyOn) {
  const DialogTemplateData& preferences = *DialogTemplate(152);
  const ControlTemplate& list = *Control(preferences, 1020);
  EXPECT_EQ(list.kind, ControlKind::ListBox);
  EXPECT_EQ(list.style & (kStyleSorted | kStyleNotify | kStyleHScroll | kStyleNoIntegralHeight),
            kStyleSorted | kStyleNotify | kStyleHScroll | kStyleNoIntegralHeight);
  const ControlTemplate& description = *Control(preferences, 1025);
  EXPECT_EQ(description.style & (kStyleMultiline | kStyleReadOnly | kStyleVScroll),
            kStyleMultiline | kStyleReadOnly | kStyleVScroll);
  EXPECT_NE(Control(preferences, 1075)->style & kStyleAutoHScroll, 0u);

  for (const int tree : {1022, 1031}) {
    const ControlTemplate& c = *Control(*DialogTemplate(tree == 1022 ? 149 : 150), tree);
    EXPECT_EQ(c.kind, ControlKind::TreeView);
    EXPECT_NE(c.style & kStyleCheckBoxes, 0u) << tree;
  }
  const ControlTemplate& path = *Control(*DialogTemplate(150), 1024);
  EXPECT_EQ(path.style & (kStyleReadOnly | kStyleMultiline), kStyleReadOnly);

  // The RMS page and the three Tessadoc options wrap their texts; the other check boxes do not.
  for (const int id : kOptionPages) {
    for (const ControlTemplate& c : DialogTemplate(id)->controls) {
      if (c.kind != ControlKind::CheckBox) continue;
      const bool wraps = id == 170 || (id == 238 && c.id != 1046);
      EXPECT_EQ((c.style & kStyleMultiline) != 0, wraps) << id << "/" << c.id;
    }
  }
}

struct LabelText {
  int dialog, control, stringId;
};

// Template texts are the English texts that initialisation sets again from the string table.
const LabelText kLabelTexts[] = {
    {102, 1005, 101}, {102, 1006, 102}, {102, 1007, 103}, {102, 1010, 104}, {102, 1011, 105}, {130, 1008, 109},
    {130, 1009, 110}, {130, 1010, 111}, {130, 1, 112},    {149, 1028, 147}, {149, 1026, 145}, {150, 1029, 148},
    {150, 1023, 150}, {150, 1005, 224}, {150, 1026, 145}, {150, 1078, 282}, {150, 1077, 220}, {150, 1027, 186},
    {152, 1010, 144}, {152, 1027, 146}, {152, 1026, 145}, {151, 1011, 183}, {151, 1054, 184}, {151, 1005, 186},
    {170, 1043, 172}, {170, 1044, 173}, {170, 1035, 174}, {170, 1041, 177}, {170, 1040, 178}, {170, 1036, 179},
    {171, 1056, 209}, {171, 1046, 210}, {171, 1057, 211}, {172, 1053, 190}, {172, 1047, 191}, {172, 1010, 187},
    {172, 1048, 192}, {172, 1049, 193}, {172, 1052, 200}, {173, 1045, 188}, {173, 1060, 189}, {175, 1064, 196},
    {176, 1065, 198}, {177, 1067, 199}, {177, 1005, 186}, {178, 1068, 201}, {252, 1046, 270},
};

TEST(DialogTemplate, TemplateTextsAgreeWithTheStringTable) {
  for (const LabelText& l : kLabelTexts) {
    const ControlTemplate* c = Control(*DialogTemplate(l.dialog), l.control);
    ASSERT_NE(c, nullptr) << l.dialog << "/" << l.control;
    EXPECT_EQ(c->text, EnglishString(l.stringId)) << l.dialog << "/" << l.control;
  }
  EXPECT_EQ(DialogTemplate(130)->caption, EnglishString(113));
  // The logo label keeps its own template text until the page renames it.
  EXPECT_EQ(Control(*DialogTemplate(151), 1055)->text, u"BackGroundPath:");
  EXPECT_EQ(Control(*DialogTemplate(102), 1008)->text, u"Language");
}

}  // namespace
}  // namespace cadmira::resources
