#pragma once
// DIR.dat, BGM.dat and SlideShow.dat: reading them into lists and writing
// lists back. Rows whose folder or file is gone are dropped while reading.
#include <QString>
#include <QStringList>

#include "library/ListEntry.h"

class UserDialogs;

// The folder rows of DIR.dat at path (empty when it is missing). Rows without
// a drive part lie in slideshowFolder + "IMG/". Pending messages are
// processed after each row when dialogs is given.
FolderList ReadFolderListFile(const QString& path, const QString& slideshowFolder, UserDialogs* dialogs);
// The music rows of BGM.dat at path; rows without a drive part lie in
// slideshowFolder + "BGM/" (their relative path may use '\' or '/').
BgmList ReadBgmListFile(const QString& path, const QString& slideshowFolder, UserDialogs* dialogs);

// The fields of every line of a list file as stored, without looking at what
// they name (empty when the file is missing).
QList<QStringList> ReadListFileRecords(const QString& path);

// The lines DIR.dat and BGM.dat are written as. Pending messages are
// processed after each row when dialogs is given.
QStringList FolderListLines(const FolderList& list, UserDialogs* dialogs = nullptr);
QStringList BgmListLines(const BgmList& list, UserDialogs* dialogs = nullptr);

// Writes the lines; on failure shows "%s に書き込めません" and leaves the
// old file.
bool WriteListFile(const QString& path, const QStringList& lines, UserDialogs& dialogs);

// The names of SlideShow.dat in order, leaving out names that cannot be a
// slideshow (see IsValidSlideshowName). Empty when the file is missing.
QStringList ReadSlideshowCatalogFile(const QString& path);

// A relative first field of a list file in native form ('\' read as '/').
QString NativeListPath(const QString& field);
// False for a relative path with "." or ".." steps, which would lead out of
// the data folder it is read against.
bool StaysInsideDataFolder(const QString& relative);
