#pragma once

#include <QSettings>
#include <QTemporaryDir>

// Points the program's settings at a fresh folder for the lifetime of a test.
class TempProfile {
 public:
  TempProfile() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
  }
  QString Path() const { return m_folder.path(); }

 private:
  QTemporaryDir m_folder;
};
