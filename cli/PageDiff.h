#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/PageView.h"

namespace cadmira::cli {

// What differs between the page views of two files. Plug-in names compare ignoring case.
struct PageDiff {
  struct Setting {
    std::string name;
    std::optional<std::u16string> a;  // empty when the product of that side has no such setting
    std::optional<std::u16string> b;
  };
  struct Lists {
    std::vector<std::u16string> onlyA;
    std::vector<std::u16string> onlyB;
  };

  std::optional<std::pair<int, int>> product;
  std::optional<std::pair<std::u16string, std::u16string>> version;
  std::vector<Setting> settings;
  Lists hiddenPlugins;
  Lists hiddenRibbon;

  bool Same() const;
};

PageDiff DiffPageViews(const PageView& a, const PageView& b);

void WritePageDiffText(const PageDiff& diff, std::ostream& out);
void WritePageDiffJson(const PageDiff& diff, std::ostream& out);

}  // namespace cadmira::cli
