#include "pages/view/PageDiff.h"

#include <unordered_set>

#include "base/AsciiCase.h"

namespace cadmira::pages {
namespace {

// The items of `from` whose key `other` lacks, each key once, in `from`'s order.
template <typename Item, typename Key>
std::vector<Item> OnlyIn(const std::vector<Item>& from, const std::vector<Item>& other, Key key) {
  std::unordered_set<std::u16string> present;
  for (const Item& item : other) present.insert(key(item));
  std::vector<Item> only;
  for (const Item& item : from) {
    if (present.insert(key(item)).second) only.push_back(item);
  }
  return only;
}

template <typename Item, typename Key>
PageDiff::Lists<Item> DiffLists(const std::vector<Item>& a, const std::vector<Item>& b, Key key) {
  return {OnlyIn(a, b, key), OnlyIn(b, a, key)};
}

const ShownSetting* SettingOf(const PageView& view, const std::string& name) {
  for (const ShownSetting& setting : view.settings) {
    if (setting.name == name) return &setting;
  }
  return nullptr;
}

std::optional<ShownSetting> Optional(const ShownSetting* setting) {
  return setting ? std::optional<ShownSetting>(*setting) : std::nullopt;
}

}  // namespace

bool PageDiff::Same() const {
  return !product && !version && settings.empty() && hiddenPlugins.onlyA.empty() && hiddenPlugins.onlyB.empty() &&
         hiddenRibbon.onlyA.empty() && hiddenRibbon.onlyB.empty();
}

PageDiff DiffPageViews(const PageView& a, const PageView& b) {
  PageDiff diff;
  if (a.product != b.product) diff.product = {a.product, b.product};
  if (a.version != b.version) diff.version = {a.version, b.version};
  for (const ShownSetting& setting : a.settings) {
    const ShownSetting* other = SettingOf(b, setting.name);
    if (!other || other->value != setting.value) diff.settings.push_back({setting.name, setting, Optional(other)});
  }
  for (const ShownSetting& setting : b.settings) {
    if (!SettingOf(a, setting.name)) diff.settings.push_back({setting.name, std::nullopt, setting});
  }
  diff.hiddenPlugins = DiffLists(a.hiddenPlugins, b.hiddenPlugins,
                                 [](const ShownPlugin& plugin) { return AsciiLowered(plugin.fileName); });
  diff.hiddenRibbon =
      DiffLists(a.hiddenRibbon, b.hiddenRibbon, [](const ShownRibbonElement& element) { return element.path; });
  return diff;
}

}  // namespace cadmira::pages
