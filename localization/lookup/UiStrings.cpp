#include "localization/lookup/UiStrings.h"

#include <cstdint>
#include <span>

#include "resources/LanguageIds.h"
#include "localization/lookup/LanguageLookup.h"
#include "localization/lookup/LayoutEntry.h"
#include "resources/StringTable.h"
#include "resources/XmlResource.h"

namespace cadmira::localization {
namespace {

constexpr int kLanguageFileResource = 254;

std::u16string DecimalText(std::uint32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

CUiStrings::CUiStrings(int langid) {
  if (static_cast<std::uint16_t>(langid) != resources::kChineseLangId) return;
  const std::span<const unsigned char> bytes = resources::XmlResource(kLanguageFileResource);
  if (!bytes.empty()) m_tree.reset(ParseDocument(bytes.data(), bytes.size()));
}

std::u16string CUiStrings::Text(int id) const {
  if (std::optional<std::u16string> translated = FindString(m_tree.get(), id)) return *std::move(translated);
  return std::u16string(resources::EnglishString(id));
}

std::optional<std::u16string> CUiStrings::ControlText(int dialogId, int controlId) const {
  const std::u16string joined =
      FindLayoutEntry(m_tree.get(), DecimalText(static_cast<std::uint32_t>(dialogId)), controlId);
  if (joined.empty()) return std::nullopt;
  LayoutEntry entry = ParseLayoutEntry(joined);
  if (entry.text.empty()) return std::nullopt;
  return std::move(entry.text);
}

}  // namespace cadmira::localization
