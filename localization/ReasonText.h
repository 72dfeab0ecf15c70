#pragma once

#include <QString>

#include "base/Result.h"

namespace cadmira::localization {

// Why something failed, for a person: the error's message, with the system's own reason in
// Chinese under the Chinese interface when the system has it in Chinese.
QString ReasonText(const Error& error);

}  // namespace cadmira::localization
