#include "localization/LanguageFile.h"

#include <cstdint>

#include "base/XmlTree.h"
#include "localization/LanguageFont.h"
#include "localization/lookup/LanguageLookup.h"
#include "resources/XmlResource.h"

namespace cadmira::localization {
namespace {

constexpr int kLanguageFileResource = 254;

// Set once at start-up, before any dialog exists, and kept until the process ends.
XmlTreePtr& LoadedTree() {
  static XmlTreePtr tree;
  return tree;
}

}  // namespace

void LoadLanguageFile(int langid) {
  if (static_cast<std::uint16_t>(langid) != kChineseLangId) {
    LoadLanguageDocument({});
    return;
  }
  LoadLanguageDocument(resources::XmlResource(kLanguageFileResource));
}

void LoadLanguageDocument(std::span<const unsigned char> bytes) {
  LoadedTree().reset();
  SetLanguageFace(std::nullopt);
  if (bytes.empty()) return;
  LoadedTree().reset(ParseDocument(bytes.data(), bytes.size()));
  if (const auto request = FindFontRequest(LoadedTree().get())) {
    SetLanguageFace(FindLanguageFace(QString::fromStdU16String(request->faceName), request->charset));
  }
}

bool LanguageFileLoaded() { return LoadedTree() != nullptr; }

std::optional<std::u16string> LanguageString(int id) { return FindString(LoadedTree().get(), id); }

std::u16string LanguageLayoutEntry(std::u16string_view dialogIdText, int controlId) {
  return FindLayoutEntry(LoadedTree().get(), dialogIdText, controlId);
}

}  // namespace cadmira::localization
