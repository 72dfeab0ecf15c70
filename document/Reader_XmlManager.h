#pragma once

#include <span>

#include "base/XmlTree.h"

namespace cadmira::document {

// The owner of one parsed element tree: the tree of the last load, released when it is replaced
// or when the owner goes. Every loaded tree in the program is held by one of these.
class CReader_XmlManager {
 public:
  CReader_XmlManager() = default;
  explicit CReader_XmlManager(CXML_TreeElement* root) : m_pRootElement(root) {}
  CReader_XmlManager(const CReader_XmlManager&) = delete;
  CReader_XmlManager& operator=(const CReader_XmlManager&) = delete;
  CReader_XmlManager(CReader_XmlManager&& other) noexcept : m_pRootElement(other.Release()) {}
  CReader_XmlManager& operator=(CReader_XmlManager&& other) noexcept;
  ~CReader_XmlManager() { DestroyTree(m_pRootElement); }

  // A new tree, owned by the caller, parsed from the bytes of a configuration file (spaces not
  // kept); null when no element results.
  static CXML_TreeElement* LoadConfigBytes(std::span<const unsigned char> bytes);
  // The same for an embedded XML resource of the program; null when it is empty.
  static CXML_TreeElement* LoadConfigResource(int resourceId);

  // Takes `root` over, releasing the tree held before (unless it is the same one).
  void SetRoot(CXML_TreeElement* root);
  CXML_TreeElement* Root() const { return m_pRootElement; }
  // Hands the tree to the caller; the owner is empty afterwards.
  CXML_TreeElement* Release();

 private:
  CXML_TreeElement* m_pRootElement = nullptr;
};

}  // namespace cadmira::document
