#pragma once

#include <QString>
#include <QStringList>

struct Screenshots {
  QStringList saved;
  QStringList failed;
};

// Saves <folder>/main-tab<N>.png for each tab of the main window, <folder>/option-<product>-<key>.png
// for the option page of every row of the Preferences page, and <folder>/dialog-<id>.png for
// every other dialog template, in the interface language that is stored.
Screenshots SaveScreenshots(const QString& folder);
