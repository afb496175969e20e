#include "library/SlideshowFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include "platform/Paths.h"

namespace {

// A read-only folder keeps its entries from being deleted; like clearing the
// read-only attribute, owner write permission is given to every folder of
// the tree first (links are not followed).
void MakeTreeWritable(const QString& folder) {
  QFile::setPermissions(folder, QFile::permissions(folder) | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOwner);
  QDirIterator it(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    if (QFileInfo(path).isSymLink()) continue;
    QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOwner);
  }
}

QString UniqueHiddenName(const QString& parent, const QString& tag) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const QString candidate =
        parent + u'.' + tag + u'-' + QUuid::createUuid().toString(QUuid::Id128).left(12);
    if (!QFileInfo::exists(candidate)) return candidate;
  }
  return QString();
}

}  // namespace

bool RemoveFolderTree(const QString& folder) {
  if (!QFileInfo(folder).isDir()) return false;
  MakeTreeWritable(folder);
  QDir(folder).removeRecursively();
  return !QFileInfo::exists(folder);
}

bool DeleteFolderTreeSafely(const QString& folderPath) {
  const QString folder = WithoutTrailingSeparator(folderPath);
  if (!QFileInfo(folder).isDir()) return false;
  const QString aside = UniqueHiddenName(WithTrailingSeparator(ParentPart(folder)), QStringLiteral("deleting"));
  if (aside.isEmpty() || !QDir().rename(folder, aside)) return false;
  if (RemoveFolderTree(aside)) return true;
  // Whatever could not be deleted goes back under its name.
  QDir().rename(aside, folder);
  return false;
}

QString MakeHiddenWorkFolder(const QString& parent, const QString& tag) {
  const QString folder = UniqueHiddenName(parent, tag);
  if (folder.isEmpty() || !QDir().mkdir(folder)) return QString();
  return folder;
}
