#include "platform/MountInfo.h"

#include <QFile>
#include <QStringList>

namespace {

// Mount points escape blanks, tabs, newlines and backslashes as \ooo.
QString UnescapeMountField(const QString& field) {
  QString out;
  out.reserve(field.size());
  for (qsizetype i = 0; i < field.size(); ++i) {
    if (field[i] == u'\\' && i + 3 < field.size()) {
      bool ok = false;
      const int code = field.mid(i + 1, 3).toInt(&ok, 8);
      if (ok) {
        out += QChar(code);
        i += 3;
        continue;
      }
    }
    out += field[i];
  }
  return out;
}

bool MountPointHolds(const QString& mountPoint, const QString& path) {
  if (mountPoint == QStringLiteral("/")) return path.startsWith(u'/');
  return path == mountPoint || path.startsWith(mountPoint + u'/');
}

}  // namespace

QString MountFileSystemType(const QString& mountInfo, const QString& path) {
  QString bestType;
  qsizetype bestLength = -1;
  for (const QString& line : mountInfo.split(u'\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    // id parent major:minor root mount-point options [optional...] - type source super
    const qsizetype dash = fields.indexOf(QStringLiteral("-"), 6);
    if (fields.size() < 5 || dash < 0 || dash + 1 >= fields.size()) continue;
    const QString mountPoint = UnescapeMountField(fields[4]);
    if (!MountPointHolds(mountPoint, path)) continue;
    if (mountPoint.size() >= bestLength) {
      bestLength = mountPoint.size();
      bestType = fields[dash + 1];
    }
  }
  return bestType;
}

bool IsOpticalDiscFileSystem(const QString& fileSystemType) {
  return fileSystemType == QStringLiteral("iso9660") || fileSystemType == QStringLiteral("udf");
}

QString ReadSystemMountInfo() {
  // Checks of the whole program name a mount table of their own here:
  // mounting a disc image needs privileges a test run does not have.
  QString path = qEnvironmentVariable("BRINMORA_MOUNTINFO");
  if (path.isEmpty()) path = QStringLiteral("/proc/self/mountinfo");
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll());
}
