#include "document/ReadConfigFile.h"

#include "document/ProductTable.h"
#include "document/Reader_XmlManager.h"
#include "document/Seal.h"

namespace cadmira::document {
namespace {

std::optional<int> ProductOfTree(const XmlTreePtr& tree) {
  if (!tree) return std::nullopt;
  return ProductOfRootTag(TagName(tree.get()).View());
}

ConfigFile Make(XmlTreePtr tree, FileForm form) {
  ConfigFile file;
  file.product = ProductOfTree(tree);
  file.tree = std::move(tree);
  file.form = form;
  return file;
}

}  // namespace

ConfigFile ReadConfigFile(const std::string& path, ReadForms forms) {
  std::vector<unsigned char> bytes = ReadWholeFile(path);
  if (bytes.empty()) return {};
  ConfigFile plain = Make(XmlTreePtr(ParseDocument(bytes.data(), bytes.size())), FileForm::Plain);
  if (forms == ReadForms::PlainOnly || plain.product) return plain;

  // Sealed bytes look random and the forgiving reader accepts nearly anything, so a sealed
  // file may well parse "as it is" into a meaningless tree: the root's name decides.
  SealBuffer(bytes.data(), bytes.size());
  ConfigFile unsealed = Make(XmlTreePtr(ParseDocument(bytes.data(), bytes.size())), FileForm::Sealed);
  if (unsealed.product || !plain.tree) return unsealed;
  return plain;
}

}  // namespace cadmira::document
