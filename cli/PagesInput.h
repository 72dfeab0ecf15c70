#pragma once

#include <memory>
#include <optional>
#include <string>

#include "base/Result.h"
#include "pages/view/ModelPages.h"
#include "document/ReadConfigFile.h"
#include "resources/LanguageIds.h"
#include "resources/Product.h"

namespace cadmira::cli {

// A configuration file loaded into fresh pages of its product as Import loads it, or why not.
struct PagesInput {
  std::unique_ptr<pages::CModelPages> pages;  // null when the file was refused
  document::ConfigFile file;
  int exitCode = 0;
  std::string message;  // "PATH: why", when refused
};

// Loads the file read from `path` into fresh pages; refuses one that could not be read (exit 2),
// does not parse, has a root of neither product or, when `product` is given, of the other one
// (exit 1). The pages have the ribbon and plug-in captions of `langid`.
PagesInput LoadPagesInput(const std::string& path, Result<document::ConfigFile> read,
                          std::optional<resources::Product> product, int langid = resources::kEnglishLangId);

}  // namespace cadmira::cli
