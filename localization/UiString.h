#pragma once

#include <QString>

namespace cadmira::localization {

// The interface string `id`: the language file's text when it has one (even an empty one),
// else the English string-table text.
QString LoadUiString(int id);

}  // namespace cadmira::localization
