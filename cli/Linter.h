#pragma once

#include "cli/ElementPaths.h"
#include "cli/Finding.h"
#include "pages/view/Vocabulary.h"
#include "document/PreferenceCatalogue.h"

struct CXML_TreeElement;

namespace cadmira::pages {
class CModelPages;
}

namespace cadmira::cli {

// The code of a hidden plug-in name that is not among the product's default plug-ins.
inline constexpr const char* kUnknownPluginCode = "unknown-plugin";

// Finds what the editor would silently misread, ignore or drop in a loaded file of the
// vocabulary's product: misplaced and repeated sections, text, unknown keys and attributes,
// values no reading rule matches, settings given twice, plug-in names without their ";" or not
// among the product's default plug-ins, and hidden ribbon elements the product's ribbon does not
// have. `pages` are the pages of the vocabulary's product.
class CLinter {
 public:
  CLinter(const CXML_TreeElement* root, const pages::CVocabulary& vocabulary, const pages::CModelPages& pages)
      : m_root(root), m_vocabulary(vocabulary), m_pages(pages) {}

  // Reports every finding to `sink`, in the order of the checks; returns how many there were.
  std::size_t Run(const FindingSink& sink);

 private:
  void Add(std::string code, std::string message, std::string where);
  void CheckSections();
  void CheckPreferences(const CXML_TreeElement* preferences);
  void CheckPreference(const CXML_TreeElement* element, const document::PreferenceRow& row);
  void CheckAttributes(const CXML_TreeElement* element, const document::PreferenceRow& row);
  void CheckBinding(const CXML_TreeElement* element, const document::PreferenceBinding& binding,
                    const document::PreferenceRow& row);
  void CheckPlugins();
  void CheckRibbon();

  const CXML_TreeElement* m_root;
  const pages::CVocabulary& m_vocabulary;
  const pages::CModelPages& m_pages;
  CElementPaths m_paths;
  const FindingSink* m_sink = nullptr;
  std::size_t m_count = 0;
};

}  // namespace cadmira::cli
