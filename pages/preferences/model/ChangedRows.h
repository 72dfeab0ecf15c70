#pragma once

#include <vector>

#include "document/PageControls.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "resources/Product.h"

namespace cadmira::pages {

// Whether the row's own settings would be written otherwise from `controls` than from
// `untouched` (the controls of pages nobody has edited). Rows that share an option page are
// judged each by its own settings.
bool RowChanged(const PreferencePageRow& row, resources::Product product, const document::IPageControls& controls,
                const document::IPageControls& untouched);

// The keys of the product's rows that are changed so, in the order the page adds them.
std::vector<int> ChangedRowKeys(resources::Product product, const document::IPageControls& controls,
                                const document::IPageControls& untouched);

}  // namespace cadmira::pages
