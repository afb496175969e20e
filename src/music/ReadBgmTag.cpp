#include "music/ReadBgmTag.h"

#include "music/TsMediaTagReader.h"

QString HoldingFolderName(const QString& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash <= 0) return {};
  const QString folder = path.left(slash);
  return folder.mid(folder.lastIndexOf('/') + 1);
}

BgmTag ReadBgmTag(const QString& path) {
  BgmTag tag;
  if (path.endsWith(QLatin1String(".MP3"), Qt::CaseInsensitive)) {
    TsMediaTagReader reader;
    if (reader.Open(path)) {
      tag.Artist = reader.Value("Artist");
      tag.Title = reader.Value("Title");
      tag.Album = reader.Value("Album");
    }
  }
  if (tag.Album.isEmpty()) tag.Album = HoldingFolderName(path);
  return tag;
}
