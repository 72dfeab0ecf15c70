#pragma once

#include <map>

#include <QString>

namespace cadmira::localization {

// What a screen reader is to say of a tree item's check box in each state, in the interface
// language.
std::map<Qt::CheckState, QString> CheckStateTexts();

}  // namespace cadmira::localization
