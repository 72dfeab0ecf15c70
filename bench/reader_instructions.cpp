// Parses one input once with our reader or with pugixml, for callgrind to count the instructions
// of the parse alone: scripts/bench runs it with --toggle-collect=cadmira_measured_*.
//   bench_reader_instructions ours|pugixml|pugixml-utf16 typical|large|attributes|names
#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <string>

#include "base/XmlTree.h"
#include "bench/support/Inputs.h"
#include "bench/support/Utf16Reference.h"

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

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s ours|pugixml|pugixml-utf16 typical|large|attributes|names\n", argv[0]);
    return 2;
  }
  const std::string input = argv[2];
  const std::string xml = input == "typical"    ? bench::TypicalConfig(40 << 10)
                          : input == "large"    ? bench::LargeConfig(1 << 20)
                          : input == "attributes" ? bench::ManyAttributes(40000)
                                                  : bench::ManyDistinctNames(40000);
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
