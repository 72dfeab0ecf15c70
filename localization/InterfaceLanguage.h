#pragma once

namespace cadmira::localization {

// What the interface language changes before any window exists: under Chinese (kChineseLangId as a
// 16-bit value) Qt's own texts (the buttons of message boxes, file dialogs, an edit's context menu)
// come from Qt's Simplified Chinese catalogue, and dialogs show a Simplified Chinese face. Any other
// value, or a machine without the catalogue, keeps Qt's English texts.
void PrepareInterfaceLanguage(int langid);

// True while Qt's Chinese catalogue is installed.
bool QtCatalogueInstalled();

}  // namespace cadmira::localization
