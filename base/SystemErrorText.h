#pragma once

#include <string>

#include "base/Result.h"

namespace cadmira {

// `error`'s message with the system's own reason in the language of the locale `localeName`
// (such as "zh_CN.UTF-8"), when the error carries the system's error number, its message ends
// in the system's text for it and the machine has that locale; otherwise the message as it is.
std::string ErrorMessageInLocale(const Error& error, const char* localeName);

}  // namespace cadmira
