#pragma once

#include <string>
#include <vector>

#include "base/XmlTree.h"

namespace cadmira::document {

// The whole content of a file, read in one go; empty when it cannot be opened or read, or is
// empty. Anything but a regular file (a folder, a device, a pipe) reads as empty, and so does a
// file larger than the element-tree reader accepts.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

// Owner of one parsed element tree; loads return a new tree owned by the caller, or null.
class CReader_XmlManager {
 public:
  CReader_XmlManager() = default;
  CReader_XmlManager(const CReader_XmlManager&) = delete;
  CReader_XmlManager& operator=(const CReader_XmlManager&) = delete;
  ~CReader_XmlManager() { DestroyTree(m_pRootElement); }

  // Null, silently, when the file cannot be opened, holds no bytes or does not parse.
  CXML_TreeElement* LoadConfigFile(const std::string& path);
  // An embedded XML resource of the program, parsed the same way; null when it is empty.
  CXML_TreeElement* LoadConfigResource(int resourceId);

  // The tree this object owns, replacing (and destroying) the previous one.
  void SetRoot(CXML_TreeElement* root);
  CXML_TreeElement* Root() const { return m_pRootElement; }

 private:
  CXML_TreeElement* m_pRootElement = nullptr;
};

}  // namespace cadmira::document
