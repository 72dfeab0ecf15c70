#pragma once

#include <string>
#include <vector>

#include "pages/view/Vocabulary.h"
#include "resources/Product.h"

namespace cadmira::document {
class IPageControls;
}

namespace cadmira::pages {

class CPluginListModel;
class CRibbonTree;

// One control of the Preferences page as it stands: its name and value in the command line's
// words, and what the page shows (the control, the check state or combo item, the text).
struct ShownSetting {
  std::string name;
  std::u16string value;
  const document::PreferenceBinding* binding = nullptr;
  ValueKind kind = ValueKind::Text;
  int state = 0;  // a check box's 0 or 1, a combo box's item (no selection shows as item 0)

  friend bool operator==(const ShownSetting&, const ShownSetting&) = default;
};

// A checked row of the Plugins page.
struct ShownPlugin {
  std::u16string fileName;
  std::u16string caption;

  friend bool operator==(const ShownPlugin&, const ShownPlugin&) = default;
};

// A hidden ribbon element as the ribbon section writes it: its path in the "/" form, and the
// titles of the tree's items from the top down to it.
struct ShownRibbonElement {
  std::u16string path;
  std::vector<std::u16string> titles;

  friend bool operator==(const ShownRibbonElement&, const ShownRibbonElement&) = default;
};

// What the editor's pages show: the product, the version box, every setting of the product in
// catalogue order, the hidden plug-ins in list order and the hidden ribbon elements in tree
// order (a hidden item stands for everything below it).
struct PageView {
  resources::Product product = resources::Product::Orvanta;
  std::u16string version;
  std::vector<ShownSetting> settings;
  std::vector<ShownPlugin> hiddenPlugins;
  std::vector<ShownRibbonElement> hiddenRibbon;

  friend bool operator==(const PageView&, const PageView&) = default;
};

// The view of any pages: the window's as well as the command line's.
PageView ViewOf(resources::Product product, const document::IPageControls& controls, const CPluginListModel& plugins,
                const CRibbonTree& ribbon);

// What untouched pages of the product show: every control at its start, nothing hidden, the
// version box as the window fills it at start.
PageView UntouchedView(resources::Product product);

// The version box at start: the program's file version cut before its last ".".
std::u16string FreshVersionText();

}  // namespace cadmira::pages
