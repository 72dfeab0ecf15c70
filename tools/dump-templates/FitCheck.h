#pragma once

#include <QStringList>

// Builds every dialog, relabels it with the loaded language file and lists each control whose
// text does not fit its rectangle, as "dialog/control: text (needs WxH, has WxH)".
QStringList CheckTextsFit();
