#include "library/ListFiles.h"

#include "library/LibraryPaths.h"
#include "library/LibraryTexts.h"
#include "platform/CommaText.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"
#include "platform/UserDialogs.h"

namespace {

// The fields of every line of a list file, decoded.
QList<QStringList> ReadRecords(const QString& path) {
  QList<QStringList> records;
  const std::optional<RawTextLines> raw = ReadRawTextLines(path);
  if (!raw) return records;
  for (const QByteArray& line : raw->Lines) {
    if (raw->Encoding == TextEncoding::Utf8WithBom) {
      records.append(SplitCommaText(DecodeTextLine(line, raw->Encoding)));
      continue;
    }
    QStringList fields;
    for (const QByteArray& field : SplitCommaTextBytes(line)) fields.append(DecodeTextLine(field, raw->Encoding));
    records.append(fields);
  }
  return records;
}

bool CheckMarkOf(const QStringList& fields) {
  if (fields.size() == 1) return true;
  return fields.size() == 2 && fields[1] == QStringLiteral("1");
}

// A relative data-folder path of a list file, in native form.
QString NativeRelativePath(const QString& field) {
  QString rel = field;
  rel.replace(u'\\', kPathSeparator);
  return rel;
}

// A relative row names a place inside the data folder only; "." and ".."
// steps would lead out of it (and data-folder commands delete there).
bool StaysInDataFolder(const QString& relative) {
  for (const QString& part : relative.split(kPathSeparator)) {
    if (part == QStringLiteral(".") || part == QStringLiteral("..")) return false;
  }
  return true;
}

template <typename Keep>
QList<ListEntry> ReadList(const QString& path, UserDialogs* dialogs, Keep keep) {
  QList<ListEntry> list;
  for (const QStringList& fields : ReadRecords(path)) {
    const QString field = fields.value(0);
    ListEntry entry;
    if (!field.isEmpty() && keep(field, entry)) {
      entry.IsChecked = CheckMarkOf(fields);
      list.append(entry);
    }
    if (dialogs) dialogs->ProcessPendingMessages();
  }
  return list;
}

}  // namespace

QList<QStringList> ReadListFileRecords(const QString& path) { return ReadRecords(path); }

FolderList ReadFolderListFile(const QString& path, const QString& slideshowFolder, UserDialogs* dialogs) {
  const QString imageFolder = slideshowFolder + kImageDataFolderName + kPathSeparator;
  return ReadList(path, dialogs, [&](const QString& field, ListEntry& entry) {
    const bool absolute = HasDrivePart(field);
    if (!absolute && !StaysInDataFolder(NativeRelativePath(field))) return false;
    const QString folder = WithoutTrailingSeparator(absolute ? field : imageFolder + NativeRelativePath(field));
    if (!FolderExists(folder) || !FolderHasImages(folder, FolderContent::Images)) return false;
    entry.Name = NamePart(folder);
    entry.Location = absolute ? ParentPart(folder) : kDataFolderMarker;
    return true;
  });
}

BgmList ReadBgmListFile(const QString& path, const QString& slideshowFolder, UserDialogs* dialogs) {
  const QString musicFolder = slideshowFolder + kMusicDataFolderName + kPathSeparator;
  return ReadList(path, dialogs, [&](const QString& field, ListEntry& entry) {
    const bool absolute = HasDrivePart(field);
    const QString relative = NativeRelativePath(field);
    if (!absolute && !StaysInDataFolder(relative)) return false;
    const QString file = absolute ? field : musicFolder + relative;
    if (!FileExists(file)) return false;
    entry.Name = NamePart(file);
    if (absolute) {
      entry.Location = ParentPart(file);
    } else {
      // A file directly in the music data folder has no subfolder name.
      const QString subfolder = relative.contains(kPathSeparator) ? NamePart(ParentPart(file)) : QString();
      entry.Location = kDataFolderMarker + u'\\' + subfolder;
    }
    return true;
  });
}

QStringList FolderListLines(const FolderList& list, UserDialogs* dialogs) {
  QStringList lines;
  for (const ListEntry& e : list) {
    const QString path = TrimTrailingBlanks(e.Location) == kDataFolderMarker ? TrimTrailingBlanks(e.Name)
                                                                               : JoinPath(e.Location, e.Name);
    lines.append(JoinCommaText({path, e.IsChecked ? QStringLiteral("1") : QStringLiteral("0")}));
    if (dialogs) dialogs->ProcessPendingMessages();
  }
  return lines;
}

QStringList BgmListLines(const BgmList& list, UserDialogs* dialogs) {
  QStringList lines;
  for (const ListEntry& e : list) {
    QString path;
    if (TrimTrailingBlanks(e.Location).startsWith(kDataFolderMarker)) {
      // The file format keeps '\' in relative data-folder paths.
      const QString subfolder = DataFolderSubfolder(e.Location);
      const QString name = TrimTrailingBlanks(e.Name);
      path = subfolder.isEmpty() ? name : subfolder + u'\\' + name;
    } else {
      path = JoinPath(e.Location, e.Name);
    }
    lines.append(JoinCommaText({path, e.IsChecked ? QStringLiteral("1") : QStringLiteral("0")}));
    if (dialogs) dialogs->ProcessPendingMessages();
  }
  return lines;
}

bool WriteListFile(const QString& path, const QStringList& lines, UserDialogs& dialogs) {
  if (WriteTextLines(path, lines)) return true;
  dialogs.ShowError(CannotWriteMessage(path));
  return false;
}

QStringList ReadSlideshowCatalogFile(const QString& path) {
  QStringList names;
  const std::optional<QStringList> lines = ReadTextLines(path);
  if (!lines) return names;
  for (const QString& name : *lines) {
    if (IsValidSlideshowName(name)) names.append(name);
  }
  return names;
}

QString NativeListPath(const QString& field) { return NativeRelativePath(field); }

bool StaysInsideDataFolder(const QString& relative) { return StaysInDataFolder(relative); }
