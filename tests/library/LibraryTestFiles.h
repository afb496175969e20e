#pragma once
// Small helpers to lay out real files in temporary folders.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <ostream>

// Readable Qt strings in test failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

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

// A file of the source tree. Found through BRINMORA_SOURCE_DIR, or from where
// this header lies when the variable is not set.
inline QString SourceFile(const char* relative) {
  QString root = qEnvironmentVariable("BRINMORA_SOURCE_DIR");
  if (root.isEmpty()) root = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../..");
  return root + u'/' + QString::fromUtf8(relative);
}
