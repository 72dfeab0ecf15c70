#pragma once

namespace cadmira::resources {

// The interface languages, as the profile's langid stores them: English, the default, and Chinese.
inline constexpr int kEnglishLangId = 49001;
inline constexpr int kChineseLangId = 49007;

}  // namespace cadmira::resources
