#include "pages/ribbon/model/RibbonTree.h"

#include <algorithm>

#include "base/AsciiCase.h"
#include "base/XmlTree.h"
#include "document/HiddenRibbonPaths.h"
#include "document/HideRibbonPath.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonTreeObserver.h"

namespace cadmira::pages {
namespace {

std::u16string TabElementsTitle(int langid) {
  if (langid == kEnglishLangId) return u"TabElements";
  if (langid == kChineseLangId) return u"标签元素";
  return {};
}

// The value of the first attribute of that name, read in place: a definition has hundreds of
// elements, and copying each value twice showed in the page's start-up.
std::u16string_view Attribute(const CXML_TreeElement* element, std::string_view name) {
  const int count = AttributeCount(element);
  for (int i = 0; i < count; ++i) {
    const CXML_AttrEntry* entry = AttributeAt(element, i);
    if (entry != nullptr && entry->name.View() == name) return entry->value.View();
  }
  return {};
}

RibbonItem ReadItem(const CXML_TreeElement* element, int langid) {
  const bool tabElements = TagName(element).View() == "TabElements";
  return {tabElements ? TabElementsTitle(langid) : std::u16string(Attribute(element, "Title")),
          std::u16string(Attribute(element, "Name"))};
}

bool Shown(const RibbonItem& item) {
  return !item.Title.empty() && !AsciiEqualNoCase(item.Title, u"Upgrade to Business");
}

std::size_t ElementCount(const CXML_TreeElement* parent) {
  std::size_t count = 0;
  const int children = ChildCount(parent);
  for (int i = 0; i < children; ++i) {
    if (const CXML_TreeElement* child = ChildElement(parent, i)) count += 1 + ElementCount(child);
  }
  return count;
}

}  // namespace

void CRibbonTree::Fill(const CXML_TreeElement* definition, int langid) {
  m_records.clear();
  m_nodes.clear();
  const std::size_t elements = ElementCount(definition);
  m_records.reserve(elements);
  m_nodes.reserve(elements);
  Node previous = kNoNode;
  const int count = ChildCount(definition);
  for (int i = 0; i < count; ++i) {
    if (const CXML_TreeElement* child = ChildElement(definition, i)) Insert(child, kNoNode, previous, langid);
  }
}

// Definitions are the program's own, four levels deep at most, so recursion is safe here.
void CRibbonTree::Insert(const CXML_TreeElement* element, Node parent, Node& previousSibling, int langid) {
  m_records.push_back(ReadItem(element, langid));
  if (!Shown(m_records.back())) return;
  const Node node = NodeCount();
  m_nodes.push_back({static_cast<std::int32_t>(m_records.size() - 1), parent, kNoNode, node + 1, false, false});
  if (previousSibling != kNoNode) m_nodes[previousSibling].nextSibling = node;
  previousSibling = node;
  Node previousChild = kNoNode;
  const int count = ChildCount(element);
  for (int i = 0; i < count; ++i) {
    if (const CXML_TreeElement* child = ChildElement(element, i)) Insert(child, node, previousChild, langid);
  }
  m_nodes[node].subtreeEnd = NodeCount();
}

void CRibbonTree::Set(Node node, bool checked) {
  if (m_nodes[node].checked == checked) return;
  m_nodes[node].checked = checked;
  if (m_observer != nullptr) m_observer->CheckChanged(node, checked);
}

void CRibbonTree::SetChecked(Node node, bool checked) { Set(node, checked); }

void CRibbonTree::UpdateAncestors(Node node) {
  for (Node ancestor = Parent(node); ancestor != kNoNode; ancestor = Parent(ancestor)) {
    bool all = true;
    for (Node child = FirstChild(ancestor); child != kNoNode && all; child = NextSibling(child)) {
      all = Checked(child);
    }
    Set(ancestor, all);
  }
}

void CRibbonTree::PropagateCheck(Node node, bool checked) {
  for (Node item = node; item < SubtreeEnd(node); ++item) Set(item, checked);
  UpdateAncestors(node);
}

void CRibbonTree::ClickCheckBox(Node node) {
  const bool before = Checked(node);
  // The item takes its new state quietly while its neighbours follow it, then gets the old one
  // back for the box's own toggle to change.
  m_nodes[node].checked = !before;
  for (Node item = node + 1; item < SubtreeEnd(node); ++item) Set(item, !before);
  UpdateAncestors(node);
  m_nodes[node].checked = before;
}

void CRibbonTree::ClearRibbonChecks() {
  for (Node node = 0; node < NodeCount(); ++node) Set(node, false);
}

void CRibbonTree::Expand(Node node) {
  if (m_nodes[node].expanded) return;
  m_nodes[node].expanded = true;
  if (m_observer != nullptr) m_observer->Expanded(node);
}

CRibbonTree::Node CRibbonTree::FindPath(std::span<const std::u16string> names) const {
  Node match = kNoNode;
  Node first = FirstTopLevel();
  for (const std::u16string& name : names) {
    match = kNoNode;
    for (Node candidate = first; candidate != kNoNode && match == kNoNode; candidate = NextSibling(candidate)) {
      if (AsciiEqualNoCase(Record(candidate).Name, name)) match = candidate;
    }
    if (match == kNoNode) return kNoNode;
    first = FirstChild(match);
  }
  return match;
}

bool CRibbonTree::CheckPath(std::span<const std::u16string> names, bool checked) {
  const Node node = FindPath(names);
  if (node == kNoNode) return false;
  PropagateCheck(node, checked);
  for (Node ancestor = Parent(node); ancestor != kNoNode; ancestor = Parent(ancestor)) Expand(ancestor);
  return true;
}

void CRibbonTree::ApplyRibbonSection(const CXML_TreeElement* root) {
  document::VisitHiddenRibbonPaths(root, [this](std::span<const std::u16string> path) { CheckPath(path, true); });
}

document::RibbonPath CRibbonTree::PathOf(Node node) const {
  document::RibbonPath path;
  for (Node item = node; item != kNoNode; item = Parent(item)) path.push_back(Record(item).Name);
  std::reverse(path.begin(), path.end());
  return path;
}

std::vector<document::RibbonPath> CRibbonTree::HiddenPaths() const {
  std::vector<document::RibbonPath> paths;
  Node node = 0;
  while (node < NodeCount()) {
    if (!Checked(node) || Record(node).Name.empty()) {
      ++node;
      continue;
    }
    const Node next = NextSibling(node);
    // Touch input hidden together with the mode after it hides the whole input-mode control.
    if (AsciiEqualNoCase(Record(node).Name, u"File_Main_InputMode_Touch") && next != kNoNode && Checked(next)) {
      paths.push_back({u"", u"File_Main_InputMode"});
    } else {
      paths.push_back(PathOf(node));
    }
    node = SubtreeEnd(node);
  }
  return paths;
}

void CRibbonTree::WriteRibbonSection(document::CWriteContext& context) const {
  for (const document::RibbonPath& path : HiddenPaths()) document::HideRibbonPath(context, path);
}

}  // namespace cadmira::pages
