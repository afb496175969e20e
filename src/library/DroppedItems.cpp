#include "library/DroppedItems.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include "platform/Paths.h"
#include "platform/UserDialogs.h"

namespace {

// Letter case ignored; names equal but for case keep a fixed order.
bool CaseInsensitiveLess(const QString& a, const QString& b) {
  const int c = a.compare(b, Qt::CaseInsensitive);
  return c != 0 ? c < 0 : a < b;
}

// Sorted with letter case ignored; exact repeats removed.
void SortUnique(QStringList& list) {
  std::sort(list.begin(), list.end(), CaseInsensitiveLess);
  list.erase(std::unique(list.begin(), list.end()), list.end());
}

// Keeps the first of each repeated entry.
void RemoveRepeats(QStringList& list) {
  QSet<QString> seen;
  QStringList kept;
  for (const QString& item : list) {
    if (!seen.contains(item)) {
      seen.insert(item);
      kept.append(item);
    }
  }
  list = kept;
}

class FolderWalker {
 public:
  explicit FolderWalker(UserDialogs* dialogs) : dialogs_(dialogs) {}

  // folder and every folder below it, depth first. A folder reached again
  // through a symbolic link (a loop, or a second link) is not entered twice.
  void Walk(const QString& folder, QStringList& out) {
    QStringList stack{folder};
    while (!stack.isEmpty()) {
      const QString current = stack.takeLast();
      const QString canonical = QFileInfo(current).canonicalFilePath();
      if (canonical.isEmpty() || visited_.contains(canonical)) continue;
      visited_.insert(canonical);
      out.append(current);
      const QDir dir(current);
      // An unreadable folder lists nothing and is simply not descended.
      const QStringList children =
          dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::NoSort);
      for (const QString& child : children) stack.append(JoinPath(current, child));
      if (dialogs_ && ++sinceMessages_ >= kFoldersPerMessageRun) {
        sinceMessages_ = 0;
        dialogs_->ProcessPendingMessages();
      }
    }
  }

 private:
  static constexpr int kFoldersPerMessageRun = 16;
  UserDialogs* dialogs_;
  QSet<QString> visited_;
  int sinceMessages_ = 0;
};

}  // namespace

DroppedItems CollectDroppedItems(const QStringList& droppedPaths, const QString& artName, UserDialogs* dialogs) {
  QStringList folders;
  QStringList droppedMusic;
  FolderWalker walker(dialogs);
  for (const QString& dropped : droppedPaths) {
    if (dropped.isEmpty() || dropped.size() > kMaxDroppedPathLength) continue;
    const QString path = WithoutTrailingSeparator(dropped);
    const QFileInfo info(path);
    if (info.isDir()) {
      walker.Walk(path, folders);
    } else if (IsImageFile(path)) {
      folders.append(ParentPart(path));
    } else if (IsMusicFile(path)) {
      droppedMusic.append(path);
    }
  }
  SortUnique(folders);

  // Music of earlier folders comes first, and all of it before the music
  // dropped as files.
  DroppedItems items;
  QStringList folderMusic;
  for (const QString& folder : folders) {
    const QStringList music = ListFolderImages(folder, FolderContent::Music);
    folderMusic += music;
    const bool albumOnly = !music.isEmpty() && FileExists(JoinPath(folder, artName));
    if (!albumOnly && FolderHasImages(folder, FolderContent::Images)) items.ImageFolders.append(folder);
    if (dialogs) dialogs->ProcessPendingMessages();
  }
  items.MusicFiles = folderMusic + droppedMusic;
  RemoveRepeats(items.ImageFolders);
  RemoveRepeats(items.MusicFiles);
  return items;
}
