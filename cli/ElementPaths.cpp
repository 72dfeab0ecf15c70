#include "cli/ElementPaths.h"

#include <vector>

#include "base/XmlTree.h"

namespace cadmira::cli {
namespace {

using StepMap = std::unordered_map<const CXML_TreeElement*, std::string>;

void AddChildSteps(const CXML_TreeElement* parent, StepMap& steps) {
  std::unordered_map<std::string, int> total;
  const int count = ChildCount(parent);
  for (int i = 0; i < count; ++i) {
    if (const CXML_TreeElement* child = ChildElement(parent, i)) ++total[std::string(TagName(child, true).View())];
  }
  std::unordered_map<std::string, int> seen;
  for (int i = 0; i < count; ++i) {
    const CXML_TreeElement* child = ChildElement(parent, i);
    if (!child) continue;
    std::string tag(TagName(child, true).View());
    const int position = ++seen[tag];
    if (total[tag] > 1) tag += '[' + std::to_string(position) + ']';
    steps.emplace(child, std::move(tag));
  }
}

}  // namespace

const std::string& CElementPaths::Step(const CXML_TreeElement* element) {
  auto known = m_steps.find(element);
  if (known != m_steps.end()) return known->second;
  if (const CXML_TreeElement* parent = ParentElement(element)) {
    AddChildSteps(parent, m_steps);
  } else {
    m_steps.emplace(element, std::string(TagName(element, true).View()));
  }
  return m_steps.at(element);
}

std::string CElementPaths::Of(const CXML_TreeElement* element) {
  std::vector<const std::string*> steps;
  for (; element; element = ParentElement(element)) steps.push_back(&Step(element));
  std::string path;
  for (auto step = steps.rbegin(); step != steps.rend(); ++step) path += '/' + **step;
  return path.empty() ? "/" : path;
}

std::string CElementPaths::OfAttribute(const CXML_TreeElement* element, std::string_view attribute) {
  return Of(element) + "/@" + std::string(attribute);
}

}  // namespace cadmira::cli
