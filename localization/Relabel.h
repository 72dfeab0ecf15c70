#pragma once

#include <QString>

class QWidget;

namespace cadmira::localization {

// Gives the dialog and every widget below it the language font (the dialog's own font with the
// language's face), or re-applies the dialog's own font when no language font was found.
void ApplyLanguageFont(QWidget* dialog);

// Replaces the text and geometry of one template-made window from its language-file entry.
// `dialogIdText` is the dialog's resource id as unsigned decimal text.
void RelabelWindow(QWidget* window, const QString& dialogIdText);

// What every dialog runs first when it is initialised: the language font, then the relabelling of
// the dialog and every template-made widget below it.
void RelabelDialog(QWidget* dialog, int dialogId);

}  // namespace cadmira::localization
