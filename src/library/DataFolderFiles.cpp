#include "library/DataFolderFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

constexpr qint64 kCopyBlock = 1 << 20;

// Gives the finished temporary file the target's name unless the target
// exists; never replaces it, even when another program made it meanwhile.
bool RenameNoReplace(const QString& from, const QString& to) {
  const QByteArray f = QFile::encodeName(from);
  const QByteArray t = QFile::encodeName(to);
  if (::renameat2(AT_FDCWD, f.constData(), AT_FDCWD, t.constData(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without that rename: a hard link fails on an existing name.
  if (::link(f.constData(), t.constData()) == 0) {
    ::unlink(f.constData());
    return true;
  }
  if (errno == EEXIST) return false;
  // File systems without hard links (a FAT stick): test, then rename.
  if (QFileInfo::exists(to)) return false;
  return ::rename(f.constData(), t.constData()) == 0;
}

// Files directly in folder that are not folders (links to folders included
// as entries, as the folder attribute test counts them).
int CountNonFolderEntries(const QString& folder) {
  return static_cast<int>(
      QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot).size());
}

QStringList ImageFilesIn(const QString& folder) {
  QStringList images;
  const QDir dir(folder);
  for (const QString& name : dir.entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
    if (IsImageFile(name)) images.append(dir.filePath(name));
  }
  return images;
}

}  // namespace

CopyResult CopyFileNoOverwrite(const QString& source, const QString& target, UserDialogs& dialogs) {
  if (QFileInfo(target).exists() || QFileInfo(target).isSymLink()) return CopyResult::TargetExists;
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return CopyResult::Failed;
  const QFileInfo targetInfo(target);
  QTemporaryFile out(targetInfo.absolutePath() + QStringLiteral("/.") + targetInfo.fileName() +
                     QStringLiteral(".XXXXXX"));
  if (!out.open()) return CopyResult::Failed;
  QByteArray block;
  while (true) {
    block = in.read(kCopyBlock);
    if (block.isEmpty()) break;
    if (out.write(block) != block.size()) return CopyResult::Failed;
    if (block.size() == kCopyBlock) dialogs.ProcessPendingMessages();
  }
  // A read error or a file that shrank while being read is no copy.
  if (in.error() != QFileDevice::NoError || out.size() != in.size()) return CopyResult::Failed;
  out.setPermissions(in.permissions());
  out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
  if (!out.flush()) return CopyResult::Failed;
  out.close();
  if (out.error() != QFileDevice::NoError) return CopyResult::Failed;
  if (!RenameNoReplace(out.fileName(), target)) {
    return QFileInfo::exists(target) ? CopyResult::TargetExists : CopyResult::Failed;
  }
  out.setAutoRemove(false);
  return CopyResult::Copied;
}

bool CopyFolderImages(const QString& source, const QString& target, UserDialogs& dialogs,
                      const std::function<void(int, int)>& onImageCopied) {
  if (!FolderExists(source)) {
    dialogs.ShowInformation(kCopySourceMissingText);
    return false;
  }
  const bool madeTarget = !FolderExists(target);
  if (madeTarget && !CreateFolder(target)) return false;
  const QStringList images = ImageFilesIn(source);
  QStringList copied;
  for (const QString& image : images) {
    const QString copy = WithTrailingSeparator(target) + NamePart(image);
    if (CopyFileNoOverwrite(image, copy, dialogs) == CopyResult::Copied) copied.append(copy);
    if (onImageCopied) onImageCopied(static_cast<int>(copied.size()), static_cast<int>(images.size()));
    dialogs.ProcessPendingMessages();
  }
  if (CountNonFolderEntries(target) == images.size()) return true;
  // A half-filled folder would pass for a finished copy next time.
  for (const QString& copy : copied) QFile::remove(copy);
  if (madeTarget) QDir().rmdir(target);
  return false;
}

bool CopyOneFile(const QString& source, const QString& target, UserDialogs& dialogs) {
  if (!FileExists(source)) {
    dialogs.ShowInformation(kCopySourceMissingText);
    return false;
  }
  if (!CreateFolder(ParentPart(target))) return false;
  CopyFileNoOverwrite(source, target, dialogs);
  return QFileInfo::exists(target);
}

void ListFolderTree(const QString& folder, unsigned mask, bool clearAttributes, bool markFolders, bool recurse,
                    QStringList& result, bool emptyFirst) {
  if (emptyFirst) result.clear();
  const QDir dir(folder);
  const QFileInfoList entries =
      dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  for (const QFileInfo& entry : entries) {
    const bool isFolder = entry.isDir() && !entry.isSymLink();
    // Changing the mode of a link would change what it points to.
    if (clearAttributes && !entry.isSymLink()) {
      QFile::setPermissions(entry.filePath(), entry.permissions() | QFileDevice::WriteOwner |
                                                  (isFolder ? QFileDevice::ExeOwner | QFileDevice::ReadOwner
                                                            : QFileDevice::Permissions()));
    }
    const unsigned kind = isFolder ? kTreeFolders : kTreeFiles;
    if (mask & kind) result.append(isFolder && markFolders ? WithTrailingSeparator(entry.filePath()) : entry.filePath());
    if (isFolder && recurse) ListFolderTree(entry.filePath(), mask, clearAttributes, markFolders, recurse, result, false);
  }
}

bool DeleteFolderTree(const QString& folder, UserDialogs& dialogs) {
  const QFileInfo info(folder);
  if (info.isSymLink()) return QFile::remove(folder);
  if (!info.isDir()) {
    dialogs.ShowInformation(kDeleteSourceMissingText);
    return false;
  }
  QFile::setPermissions(folder, info.permissions() | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadOwner);
  QStringList tree;
  ListFolderTree(folder, kTreeAll, true, true, true, tree, true);
  for (qsizetype i = tree.size() - 1; i >= 0; --i) {
    const QString& entry = tree[i];
    if (!QFile::remove(entry)) QDir().rmdir(WithoutTrailingSeparator(entry));
    dialogs.ProcessPendingMessages();
  }
  return QDir().rmdir(folder);
}

bool DeleteOneFile(const QString& path, UserDialogs& dialogs) {
  const QFileInfo info(path);
  if (!info.isSymLink() && !FileExists(path)) {
    dialogs.ShowInformation(kDeleteSourceMissingText);
    return false;
  }
  return QFile::remove(path);
}
