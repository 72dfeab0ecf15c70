#include "cli/Manifest.h"

#include <nlohmann/json.hpp>

#include "base/AsciiCase.h"
#include "pages/view/ProductWords.h"
#include "pages/view/Vocabulary.h"

namespace cadmira::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kKeys[] = {"product", "version", "settings", "hiddenPlugins", "hiddenRibbon"};

Status CheckKeys(const Json& manifest) {
  for (const auto& [key, value] : manifest.items()) {
    bool known = false;
    for (std::string_view name : kKeys) known = known || key == name;
    if (!known) return Error{"unknown key \"" + key + "\" in the manifest"};
  }
  return {};
}

Result<std::string> StringAt(const Json& value, const std::string& what) {
  if (!value.is_string()) return Error{what + " must be a string"};
  return value.get<std::string>();
}

Result<resources::Product> ProductOf(const Json& manifest, std::optional<resources::Product> given) {
  std::optional<resources::Product> named;
  if (manifest.contains("product")) {
    const Result<std::string> word = StringAt(manifest["product"], "\"product\"");
    if (!word) return word.error();
    named = pages::ProductFromWord(word.value());
    if (!named) return Error{"\"product\" must be \"reader\" or \"orvanta\", not \"" + word.value() + '"'};
  }
  if (named && given && *named != *given) {
    return Error{"the manifest is for " + pages::ProductName(*named) + ", not for " + pages::ProductName(*given)};
  }
  if (named) return *named;
  if (given) return *given;
  return Error{"the manifest names no product; give --product"};
}

Status ApplySettings(const Json& settings, pages::CModelPages& pages) {
  if (!settings.is_object()) return Error{"\"settings\" must be an object of names and values"};
  const pages::CVocabulary vocabulary(pages.Product());
  std::vector<std::string> seen;
  for (const auto& [name, value] : settings.items()) {
    for (const std::string& earlier : seen) {
      if (AsciiEqualNoCase(earlier, name)) return Error{"the setting \"" + name + "\" is given twice"};
    }
    seen.push_back(name);
    const Result<std::string> text = StringAt(value, "the value of \"" + name + '"');
    if (!text) return text.error();
    if (Status set = pages.SetSetting(vocabulary, name, text.value()); !set) return set;
  }
  return {};
}

template <class Apply>
Status ApplyList(const Json& manifest, const char* key, Apply apply) {
  if (!manifest.contains(key)) return {};
  const Json& list = manifest[key];
  if (!list.is_array()) return Error{std::string("\"") + key + "\" must be an array of strings"};
  for (const Json& item : list) {
    const Result<std::string> text = StringAt(item, std::string("every item of \"") + key + '"');
    if (!text) return text.error();
    if (Status applied = apply(text.value()); !applied) return applied;
  }
  return {};
}

}  // namespace

Result<std::unique_ptr<pages::CModelPages>> PagesFromManifest(std::string_view text,
                                                              std::optional<resources::Product> product) {
  const Json document = Json::parse(text, nullptr, false);
  if (document.is_discarded()) return Error{"the manifest is not JSON"};
  // Taken by reference: copying a hostile, deeply nested value would recurse.
  const Json& manifest = document.is_object() && document.contains("pages") ? document["pages"] : document;
  if (!manifest.is_object()) return Error{"the manifest is not a JSON object"};
  if (Status keys = CheckKeys(manifest); !keys) return keys.error();
  const Result<resources::Product> chosen = ProductOf(manifest, product);
  if (!chosen) return chosen.error();

  auto pages = std::make_unique<pages::CModelPages>(chosen.value());
  if (manifest.contains("version")) {
    const Result<std::string> version = StringAt(manifest["version"], "\"version\"");
    if (!version) return version.error();
    if (Status set = pages->SetVersion(version.value()); !set) return set.error();
  }
  if (manifest.contains("settings")) {
    if (Status set = ApplySettings(manifest["settings"], *pages); !set) return set.error();
  }
  if (Status hidden = ApplyList(manifest, "hiddenPlugins",
                                [&](const std::string& name) { return pages->SetPluginHidden(name, true); });
      !hidden) {
    return hidden.error();
  }
  if (Status hidden = ApplyList(manifest, "hiddenRibbon",
                                [&](const std::string& path) { return pages->SetRibbonHidden(path, true); });
      !hidden) {
    return hidden.error();
  }
  return pages;
}

}  // namespace cadmira::cli
