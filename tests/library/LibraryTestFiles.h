#pragma once
// Small helpers to lay out real files in temporary folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>

inline void MakeFile(const QString& path, const QByteArray& bytes = QByteArray("x")) {
  QDir().mkpath(path.left(path.lastIndexOf(u'/')));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

inline QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// A folder holding one image, so list loading keeps it.
inline void MakeImageFolder(const QString& folder, const QString& image = QStringLiteral("a.jpg")) {
  MakeFile(folder + u'/' + image);
}
