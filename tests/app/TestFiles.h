#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace cadmira::app {

// The whole file; empty when it cannot be read.
inline QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes `bytes` as the file `name` in `folder`, replacing any; its path.
inline QString WriteFileIn(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes) {
  const QString path = folder.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
  return path;
}

}  // namespace cadmira::app
