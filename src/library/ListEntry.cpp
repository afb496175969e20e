#include "library/ListEntry.h"

#include "library/LibraryPaths.h"
#include "platform/Paths.h"

QString TrimTrailingBlanks(const QString& text) {
  qsizetype end = text.size();
  while (end > 0 && text[end - 1].unicode() <= 32) --end;
  return text.left(end);
}

QString DataFolderSubfolder(const QString& location) {
  const QString rest = TrimTrailingBlanks(location).mid(kDataFolderMarker.size());
  const qsizetype cut = std::max(rest.lastIndexOf(u'\\'), rest.lastIndexOf(u'/'));
  return rest.mid(cut + 1);
}

QString ResolveFolderEntryPath(const ListEntry& entry, const QString& slideshowFolder) {
  const QString name = TrimTrailingBlanks(entry.Name);
  const QString location = TrimTrailingBlanks(entry.Location);
  if (location == kDataFolderMarker) return slideshowFolder + kImageDataFolderName + u'/' + name;
  return JoinPath(location, name);
}

QString ResolveBgmEntryPath(const ListEntry& entry, const QString& slideshowFolder) {
  const QString name = TrimTrailingBlanks(entry.Name);
  const QString location = TrimTrailingBlanks(entry.Location);
  if (location.startsWith(kDataFolderMarker)) {
    const QString sub = DataFolderSubfolder(location);
    const QString base = slideshowFolder + kMusicDataFolderName + u'/';
    return sub.isEmpty() ? base + name : base + sub + u'/' + name;
  }
  return JoinPath(location, name);
}
