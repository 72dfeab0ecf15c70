#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "pages/view/ModelPages.h"
#include "resources/Product.h"

namespace cadmira::cli {

// Fresh pages showing what a manifest says: a JSON object with the keys of the page view
// ("product", "version", "settings", "hiddenPlugins", "hiddenRibbon"), every one optional, or a
// whole `show --json` output, whose "pages" is taken. The product comes from the manifest or
// from `product`, which must agree. Anything the pages do not have is refused.
Result<std::unique_ptr<pages::CModelPages>> PagesFromManifest(std::string_view text,
                                                              std::optional<resources::Product> product);

}  // namespace cadmira::cli
