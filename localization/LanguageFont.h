#pragma once

#include <optional>

#include <QString>

namespace cadmira::localization {

// The first scalable face of the character set (a Windows charset number; 1 accepts any) whose
// name does not begin with "@", limited to `faceName` unless that is empty. None when no installed
// face qualifies or the character set is unknown.
std::optional<QString> FindLanguageFace(const QString& faceName, int charset);

// The face found for the loaded language file, none when no file is loaded or none was found.
const std::optional<QString>& LanguageFace();
void SetLanguageFace(std::optional<QString> face);

}  // namespace cadmira::localization
