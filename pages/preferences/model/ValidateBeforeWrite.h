#pragma once

#include <string_view>

#include "document/PageControls.h"

namespace cadmira::pages {

// Why the page state may not be written yet.
enum class WriteRefusal { None, EmptyVersion, RollingTimeOutOfRange };

// The checks the Preferences page makes before a document is written: a version must be given,
// and a rolling time, when one is given, must lie in 1 to 60000 seconds. The rolling time is
// checked for either product, as its page keeps values that a loaded document gave it.
WriteRefusal CheckBeforeWrite(const document::IPageControls& controls);

// The string id of the message that tells the user; 0 for None.
int RefusalMessageId(WriteRefusal refusal);

// True when the text holds nothing but white space.
bool IsBlankText(std::u16string_view text);

// The text's leading decimal integer: white space skipped, an optional sign, digits up to the
// first other character; 0 without digits. Values beyond the int range stop at its ends, so no
// overlong number can wrap into the accepted range.
int LeadingInteger(std::u16string_view text);

inline constexpr int kMinRollingTime = 1;
inline constexpr int kMaxRollingTime = 60000;

bool RollingTimeAccepted(std::u16string_view text);

}  // namespace cadmira::pages
