#pragma once

#include <QString>
#include <QStringList>

// Saves <folder>/main-tab<N>.png for each tab of the main window and <folder>/dialog-<id>.png
// for every dialog template, in the interface language that is stored; returns the files saved.
QStringList SaveScreenshots(const QString& folder);
