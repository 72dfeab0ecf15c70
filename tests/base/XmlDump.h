#pragma once

#include "base/XmlTree.h"

#include <cstdio>
#include <string>

// A compact picture of a tree for comparing with expectations:
//   prefix:tag[prefix:name=value,...]{child,"text",...}
// Units outside printable ASCII are written as \uXXXX.
inline void AppendDumpText(std::u16string_view text, std::string& out) {
  for (const char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      out += static_cast<char>(unit);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
      out += escape;
    }
  }
}

inline void AppendDumpName(const CZD_ByteStr& prefix, const CZD_ByteStr& name, std::string& out) {
  if (!prefix.IsEmpty()) {
    out += std::string(prefix.View()) + ":";
  }
  out += name.View();
}

inline void AppendDump(const CXML_TreeElement* element, std::string& out) {
  AppendDumpName(TagPrefix(element), TagName(element), out);
  if (AttributeCount(element) > 0) {
    out += '[';
    for (int i = 0; i < AttributeCount(element); ++i) {
      const CXML_AttrEntry* attribute = AttributeAt(element, i);
      out += i ? "," : "";
      AppendDumpName(attribute->prefix, attribute->name, out);
      out += '=';
      AppendDumpText(attribute->value.View(), out);
    }
    out += ']';
  }
  if (ChildCount(element) > 0) {
    out += '{';
    for (int i = 0; i < ChildCount(element); ++i) {
      out += i ? "," : "";
      if (const CXML_TreeElement* child = ChildElement(element, i)) {
        AppendDump(child, out);
      } else {
        out += '"';
        AppendDumpText(ChildText(element, i)->text.View(), out);
        out += '"';
      }
    }
    out += '}';
  }
}

// "null" when there is no tree.
inline std::string DumpTree(const CXML_TreeElement* root) {
  if (root == nullptr) {
    return "null";
  }
  std::string out;
  AppendDump(root, out);
  return out;
}
