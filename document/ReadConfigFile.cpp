#include "document/ReadConfigFile.h"

#include <utility>

#include "base/XmlTree.h"
#include "document/ProductTable.h"
#include "document/ReadWholeFile.h"
#include "document/Seal.h"

namespace cadmira::document {
namespace {

std::optional<resources::Product> ProductOfTree(const CXML_TreeElement* root) {
  if (!root) return std::nullopt;
  return ProductOfRootTag(TagName(root).View());
}

ConfigFile Parse(const std::vector<unsigned char>& bytes, FileForm form) {
  ConfigFile file;
  file.tree.SetRoot(CReader_XmlManager::LoadConfigBytes(bytes));
  file.form = form;
  file.product = ProductOfTree(file.Root());
  return file;
}

}  // namespace

std::optional<resources::Product> ProductOfPlainBytes(std::span<const unsigned char> bytes) {
  const CReader_XmlManager tree(CReader_XmlManager::LoadConfigBytes(bytes));
  return ProductOfTree(tree.Root());
}

ConfigFile ReadConfigBytes(std::vector<unsigned char> bytes, ReadForms forms) {
  ConfigFile plain = Parse(bytes, FileForm::Plain);
  if (forms == ReadForms::PlainOnly || plain.product) return plain;

  // Sealed bytes look random and the forgiving reader accepts nearly anything, so a sealed
  // file may well parse "as it is" into a meaningless tree: the root's name decides.
  SealBuffer(bytes.data(), bytes.size());
  ConfigFile unsealed = Parse(bytes, FileForm::Sealed);
  if (unsealed.product || (unsealed.Root() && !plain.Root())) return unsealed;
  return plain;
}

bool EndsBeforeRootCloses(std::vector<unsigned char> plain) {
  if (plain.empty()) return false;
  plain.push_back(' ');
  std::uint64_t stopped = 0;
  const XmlTreePtr root(ParseDocument(plain.data(), plain.size(), false, &stopped));
  return root && stopped == plain.size();
}

Result<ConfigFile> ReadConfigFile(const std::string& path, ReadForms forms, FileKinds kinds) {
  Result<std::vector<unsigned char>> bytes = ReadWholeFile(path, kLargestReadable, kinds);
  if (!bytes) return bytes.error();
  return ReadConfigBytes(std::move(bytes).value(), forms);
}

}  // namespace cadmira::document
