// Reads arbitrary bytes as a configuration file in both forms and runs every section reader
// the window and the command-line tool run on a loaded tree.
#include "base/XmlTree.h"
#include "document/CheckProduct.h"
#include "document/HiddenRibbonPaths.h"
#include "document/MapPageControls.h"
#include "document/PluginList.h"
#include "document/PreferenceReader.h"
#include "document/Seal.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace {

void ReadSections(const std::vector<unsigned char>& bytes) {
  const XmlTreePtr tree(ParseDocument(bytes.data(), bytes.size()));
  if (!tree) return;
  const CXML_TreeElement* root = tree.get();
  for (const cadmira::resources::Product product :
       {cadmira::resources::Product::Orvanta, cadmira::resources::Product::Reader}) {
    const int rejection = cadmira::document::CheckProduct(root, product);
    if (rejection != 0 && rejection != cadmira::document::kWrongProductReaderFile &&
        rejection != cadmira::document::kWrongProductOrvantaFile &&
        rejection != cadmira::document::kNotAConfigurationFile) {
      __builtin_trap();
    }
  }
  cadmira::document::MapPageControls controls;
  cadmira::document::ApplyPreferenceSection(root, controls);
  cadmira::document::VisitHiddenRibbonPaths(root, [](std::span<const std::u16string>) {});
  if (const auto value = cadmira::document::ReadUnloadPluginArray(root)) {
    (void)cadmira::document::SplitUnloadPluginArray(*value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<unsigned char> bytes(data, data + size);
  ReadSections(bytes);
  cadmira::document::SealBuffer(bytes.data(), bytes.size());
  ReadSections(bytes);
  return 0;
}
