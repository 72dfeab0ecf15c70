#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "pages/view/PageView.h"
#include "resources/Product.h"

namespace cadmira::pages {

// What differs between two page views. Plug-in names compare ignoring case.
struct PageDiff {
  struct Setting {
    std::string name;
    std::optional<ShownSetting> a;  // empty when the product of that side has no such setting
    std::optional<ShownSetting> b;
  };
  template <typename Item>
  struct Lists {
    std::vector<Item> onlyA;
    std::vector<Item> onlyB;
  };

  std::optional<std::pair<resources::Product, resources::Product>> product;
  std::optional<std::pair<std::u16string, std::u16string>> version;
  std::vector<Setting> settings;
  Lists<ShownPlugin> hiddenPlugins;
  Lists<ShownRibbonElement> hiddenRibbon;

  bool Same() const;
};

PageDiff DiffPageViews(const PageView& a, const PageView& b);

}  // namespace cadmira::pages
