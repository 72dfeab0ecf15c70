#pragma once

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

struct CXML_TreeElement;

namespace cadmira::document {
class IPageControls;
}
namespace cadmira::pages {
class CPluginListModel;
class CRibbonTree;
}

namespace cadmira::cli {

class CCliPages;
class CJsonWriter;

// What the editor's pages show, in the words of the command line: the product, the version
// box, every setting of the product by name in catalogue order, the hidden plug-ins in list
// order and the hidden ribbon elements in the "/" form, as the ribbon section would write them.
struct PageView {
  int product = 0;
  std::u16string version;
  std::vector<std::pair<std::string, std::u16string>> settings;
  std::vector<std::u16string> hiddenPlugins;
  std::vector<std::u16string> hiddenRibbon;

  friend bool operator==(const PageView&, const PageView&) = default;
};

// The view of any pages: the window's as well as the command line's.
PageView ViewOf(int product, const document::IPageControls& controls, const pages::CPluginListModel& plugins,
                const pages::CRibbonTree& ribbon);
PageView ViewOfPages(const CCliPages& pages);

// What fresh pages of the product show after loading the tree, as Import applies it.
PageView ViewOfLoadedTree(const CXML_TreeElement* root, int product);

// {"product", "version", "settings": {name: value}, "hiddenPlugins", "hiddenRibbon"}
void WritePageViewJson(const PageView& view, CJsonWriter& json);
// One line per item, indented under "pages:".
void WritePageViewText(const PageView& view, std::ostream& out);

}  // namespace cadmira::cli
