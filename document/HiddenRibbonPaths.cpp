#include "document/HiddenRibbonPaths.h"

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

std::vector<RibbonPath> HiddenRibbonPaths(const CXML_TreeElement* root) {
  std::vector<RibbonPath> paths;
  const CXML_TreeElement* ribbonUI = ProfstoreSection(root, "RibbonUI");
  if (!ribbonUI) return paths;
  // An explicit stack: a hostile file may nest elements far deeper than the call stack allows.
  std::vector<Frame> stack{{ribbonUI, 0}};
  RibbonPath names;
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
      paths.push_back(names);
      names.pop_back();
    } else {
      stack.push_back({child, 0});
    }
  }
  return paths;
}

}  // namespace cadmira::document
