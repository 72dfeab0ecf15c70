#pragma once

#include <QFont>
#include <QStringList>

#include "framework/DialogUnits.h"

namespace cadmira::framework {

// The platform's dialog face does not exist here. The faces that stand in for it, in order of
// preference; DejaVu Sans, which comes with fontconfig, unless the interface language asks for
// others before any window exists.
const QStringList& DialogFaces();
void SetDialogFaces(QStringList faces);

// The dialog font of `pointSize` points at `dpi` dots per inch, in the stand-in faces.
QFont DialogFont(int pointSize, int dpi);

// The base units of a dialog font of `pointSize` points. Templates are laid out in DejaVu Sans
// whatever face shows them, so a translation's pixel geometry fits every interface language.
BaseUnits DialogFontBaseUnits(int pointSize);

}  // namespace cadmira::framework
