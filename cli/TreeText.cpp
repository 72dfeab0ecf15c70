#include "cli/TreeText.h"

#include "base/XmlTree.h"
#include "cli/JsonWriter.h"

#include <ostream>
#include <string>
#include <vector>

namespace cadmira::cli {

namespace {

constexpr std::size_t kDeepestIndent = 32;

void StartLine(std::size_t depth, std::string& line) {
  line.assign(2 * (depth < kDeepestIndent ? depth : kDeepestIndent), ' ');
  if (depth > kDeepestIndent) {
    line += '[' + std::to_string(depth) + "] ";
  }
}

void WriteElementLine(const CXML_TreeElement* element, std::size_t depth, std::string& line, std::ostream& out) {
  StartLine(depth, line);
  CJsonWriter::EscapeBytes(TagName(element, true).View(), line);
  for (int i = 0; i < AttributeCount(element); ++i) {
    const CXML_AttrEntry* attribute = AttributeAt(element, i);
    line += ' ';
    if (!attribute->prefix.IsEmpty()) {
      CJsonWriter::EscapeBytes(attribute->prefix.View(), line);
      line += ':';
    }
    CJsonWriter::EscapeBytes(attribute->name.View(), line);
    line += "=\"";
    CJsonWriter::EscapeUtf16(attribute->value.View(), line);
    line += '"';
  }
  line += '\n';
  out << line;
}

}  // namespace

void WriteTreeText(const CXML_TreeElement* root, std::ostream& out) {
  struct Frame {
    const CXML_TreeElement* element;
    int next;
  };
  std::string line;
  std::vector<Frame> open;
  WriteElementLine(root, 0, line, out);
  open.push_back(Frame{root, 0});
  while (!open.empty()) {
    Frame& top = open.back();
    if (top.next >= ChildCount(top.element)) {
      open.pop_back();
      continue;
    }
    const int index = top.next++;
    if (const CXML_TreeElement* child = ChildElement(top.element, index)) {
      WriteElementLine(child, open.size(), line, out);
      open.push_back(Frame{child, 0});
    } else if (const CXML_TextSegment* text = ChildText(top.element, index)) {
      StartLine(open.size(), line);
      line += '"';
      CJsonWriter::EscapeUtf16(text->text.View(), line);
      line += "\"\n";
      out << line;
    }
  }
}

}  // namespace cadmira::cli
