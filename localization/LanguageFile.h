#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "resources/LanguageIds.h"

namespace cadmira::localization {

// Chinese loads the embedded language file.
using resources::kChineseLangId;
using resources::kEnglishLangId;

// Drops any loaded language file; for kChineseLangId (compared as a 16-bit value) loads the
// embedded one and looks up its font. Any other value leaves the program in English.
void LoadLanguageFile(int langid);

// Loads a language file from its bytes as LoadLanguageFile does with the embedded one; empty or
// unparsable bytes leave no file loaded.
void LoadLanguageDocument(std::span<const unsigned char> bytes);

// True while a language file is loaded: the interface is Chinese.
bool LanguageFileLoaded();

// The loaded file's text for string `id`; none when no file is loaded or it has no such string.
std::optional<std::u16string> LanguageString(int id);

// The joined layout entry (see LayoutEntry.h) of the dialog itself (controlId 0) or of one of its
// controls in the loaded file; empty when there is no complete entry.
std::u16string LanguageLayoutEntry(std::u16string_view dialogIdText, int controlId);

}  // namespace cadmira::localization
