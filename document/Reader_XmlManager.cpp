#include "document/Reader_XmlManager.h"

#include <utility>

#include "resources/XmlResource.h"

namespace cadmira::document {

CReader_XmlManager& CReader_XmlManager::operator=(CReader_XmlManager&& other) noexcept {
  SetRoot(other.Release());
  return *this;
}

CXML_TreeElement* CReader_XmlManager::LoadConfigBytes(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return nullptr;
  return ParseDocument(bytes.data(), bytes.size(), false);
}

CXML_TreeElement* CReader_XmlManager::LoadConfigResource(int resourceId) {
  return LoadConfigBytes(resources::XmlResource(resourceId));
}

void CReader_XmlManager::SetRoot(CXML_TreeElement* root) {
  if (root == m_pRootElement) return;
  DestroyTree(m_pRootElement);
  m_pRootElement = root;
}

CXML_TreeElement* CReader_XmlManager::Release() { return std::exchange(m_pRootElement, nullptr); }

}  // namespace cadmira::document
