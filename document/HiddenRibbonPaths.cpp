#include "document/HiddenRibbonPaths.h"

#include <vector>

#include "base/AsciiCase.h"
#include "base/XmlTree.h"
#include "document/PreferenceReader.h"
#include "document/SectionLookup.h"

namespace cadmira::document {
namespace {

struct Frame {
  const CXML_TreeElement* element;
  int nextChild;
};

}  // namespace

void VisitHiddenRibbonPaths(const CXML_TreeElement* root,
                            const std::function<void(std::span<const std::u16string> path)>& visit) {
  const CXML_TreeElement* ribbonUI = ProfstoreSection(root, "RibbonUI");
  if (!ribbonUI) return;
  // An explicit stack: a hostile file may nest elements far deeper than the call stack allows.
  // The names are shared by every path below them, so a deep section costs memory in its depth only.
  std::vector<Frame> stack{{ribbonUI, 0}};
  std::vector<std::u16string> names;
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.nextChild >= ChildCount(top.element)) {
      stack.pop_back();
      if (!names.empty()) names.pop_back();
      continue;
    }
    const CXML_TreeElement* child = ChildElement(top.element, top.nextChild++);
    if (!child) continue;
    names.push_back(AttributeOrEmpty(child, "Name"));
    if (AsciiEqualNoCase(AttributeOrEmpty(child, "Visible"), u"0")) {
      visit(names);
      names.pop_back();
    } else {
      stack.push_back({child, 0});
    }
  }
}

}  // namespace cadmira::document
