#pragma once
// The rows of the folder list and the BGM list.
#include <QList>
#include <QString>

struct ListEntry {
  bool IsChecked = true;
  QString Name;      // the folder's own name, or the music file's name
  QString Location;  // the parent folder, or the data-folder marker
  bool operator==(const ListEntry&) const = default;
};

using FolderList = QList<ListEntry>;
using BgmList = QList<ListEntry>;

// The Location of a folder row in the image data folder; a music row in the
// data folder has "(データフォルダ)\" + the subfolder name.
inline const QString kDataFolderMarker = QStringLiteral("(データフォルダ)");

// QString::trimmed() would also drop leading blanks; rows only lose trailing ones.
QString TrimTrailingBlanks(const QString& text);

// The folder of a row of the folder list. slideshowFolder is the slideshow's
// own folder with a trailing separator (its IMG/ holds the data-folder rows).
QString ResolveFolderEntryPath(const ListEntry& entry, const QString& slideshowFolder);
// The file of a row of the BGM list (data-folder rows lie below BGM/).
QString ResolveBgmEntryPath(const ListEntry& entry, const QString& slideshowFolder);

// The subfolder named by a music data-folder Location ("(データフォルダ)\Album").
QString DataFolderSubfolder(const QString& location);
