#include "cli/TreeJson.h"

#include "base/XmlTree.h"
#include "cli/JsonWriter.h"

#include <ostream>
#include <vector>

namespace cadmira::cli {

namespace {

// Writes everything of an element up to the opening of its children array.
void OpenElement(const CXML_TreeElement* element, CJsonWriter& json) {
  json.BeginObject();
  json.Key("prefix");
  json.ByteName(TagPrefix(element).View());
  json.Key("tag");
  json.ByteName(TagName(element).View());
  json.Key("attributes");
  json.BeginArray();
  for (int i = 0; i < AttributeCount(element); ++i) {
    const CXML_AttrEntry* attribute = AttributeAt(element, i);
    json.BeginObject();
    json.Key("prefix");
    json.ByteName(attribute->prefix.View());
    json.Key("name");
    json.ByteName(attribute->name.View());
    json.Key("value");
    json.Utf16(attribute->value.View());
    json.EndObject();
  }
  json.EndArray();
  json.Key("children");
  json.BeginArray();
}

}  // namespace

void WriteTreeJson(const CXML_TreeElement* root, std::ostream& out) {
  struct Frame {
    const CXML_TreeElement* element;
    int next;
  };
  CJsonWriter json(out);
  std::vector<Frame> open;
  OpenElement(root, json);
  open.push_back(Frame{root, 0});
  while (!open.empty()) {
    Frame& top = open.back();
    if (top.next >= ChildCount(top.element)) {
      json.EndArray();
      json.EndObject();
      open.pop_back();
      continue;
    }
    const int index = top.next++;
    if (const CXML_TreeElement* child = ChildElement(top.element, index)) {
      OpenElement(child, json);
      open.push_back(Frame{child, 0});
    } else if (const CXML_TextSegment* text = ChildText(top.element, index)) {
      json.BeginObject();
      json.Key("text");
      json.Utf16(text->text.View());
      json.EndObject();
    }
  }
  out << '\n';
}

}  // namespace cadmira::cli
