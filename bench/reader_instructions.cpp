// Parses one input once with our reader or with pugixml, for callgrind to count the instructions
// of the parse alone: scripts/bench runs it with --toggle-collect=cadmira_measured_*.
//   bench_reader_instructions ours|pugixml|pugixml-utf16 INPUT
// INPUT: typical, large, chinese-ribbon and chinese-ribbon-reader (the embedded Chinese ribbon
// definitions), chinese-config,
// references, or a hostile shape: attributes, names, deep, reference-text.
#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/XmlTree.h"
#include "bench/support/Inputs.h"
#include "bench/support/Utf16Reference.h"
#include "resources/XmlResource.h"

extern "C" {

__attribute__((noinline)) std::size_t cadmira_measured_ours(const std::string& xml) {
  CXML_TreeElement* root = ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size());
  const std::size_t children = static_cast<std::size_t>(ChildCount(root));
  DestroyTree(root);
  return children;
}

__attribute__((noinline)) std::size_t cadmira_measured_pugixml(const std::string& xml) {
  pugi::xml_document document;
  return document.load_buffer(xml.data(), xml.size()) ? 1 : 0;
}

__attribute__((noinline)) std::size_t cadmira_measured_pugixml_utf16(const std::string& xml) {
  pugi::xml_document document;
  document.load_buffer(xml.data(), xml.size());
  bench::Utf16Values values;
  values.Collect(document);
  return values.Count();
}
}

namespace {

std::string Resource(int id) {
  const std::span<const unsigned char> bytes = cadmira::resources::XmlResource(id);
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::string Input(const std::string& name) {
  if (name == "typical") return bench::TypicalConfig(40 << 10);
  if (name == "large") return bench::LargeConfig(1 << 20);
  // The Chinese ribbon definitions of Orvanta and of Reader.
  if (name == "chinese-ribbon") return Resource(240);
  if (name == "chinese-ribbon-reader") return Resource(241);
  if (name == "chinese-config") return bench::ChineseConfig(40 << 10);
  if (name == "references") return bench::ReferenceRuns(40 << 10);
  if (name == "attributes") return bench::ManyAttributes(40000);
  if (name == "names") return bench::ManyDistinctNames(40000);
  if (name == "deep") return bench::DeepRibbon(20000);
  if (name == "reference-text") return bench::ReferenceText(20000);
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ours|pugixml|pugixml-utf16 INPUT\n", argv[0]);
    return 2;
  }
  const std::string xml = Input(argv[2]);
  if (xml.empty()) {
    std::fprintf(stderr, "%s: no input named %s\n", argv[0], argv[2]);
    return 2;
  }
  std::size_t result = 0;
  if (std::strcmp(argv[1], "ours") == 0) {
    result = cadmira_measured_ours(xml);
  } else if (std::strcmp(argv[1], "pugixml") == 0) {
    result = cadmira_measured_pugixml(xml);
  } else {
    result = cadmira_measured_pugixml_utf16(xml);
  }
  std::printf("%zu bytes %zu\n", xml.size(), result);
  return 0;
}
