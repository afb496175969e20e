#pragma once
// Path operations on the program's native paths ('/' separated). A Windows
// absolute path found in an old list file (C:\x, \\server\x) still counts as
// having a drive part; it names nothing here and so is dropped as missing.
#include <QString>
#include <QStringList>

inline constexpr QChar kPathSeparator = u'/';

// The text after the last separator (all of p when it has none).
QString NamePart(const QString& p);
// The folder part up to the last separator, without it unless it is the root.
QString ParentPart(const QString& p);
// folder + name with one separator between; trailing blanks of both removed.
QString JoinPath(const QString& folder, const QString& name);
// p with a trailing separator.
QString WithTrailingSeparator(const QString& p);
// p without a trailing separator (the root "/" stays as it is).
QString WithoutTrailingSeparator(const QString& p);
// An absolute path: "/...", or a Windows drive ("C:") or share ("\\").
bool HasDrivePart(const QString& p);

bool IsImageFile(const QString& p);
bool IsMusicFile(const QString& p);

enum class FolderContent { Images = 1, Music = 2 };

// The full paths of the image or music files directly in folder, sorted with
// letter case ignored. Empty when there are none (or the folder is missing).
QStringList ListFolderImages(const QString& folder, FolderContent kind);
// True when folder directly holds at least one image or music file; stops at
// the first one.
bool FolderHasImages(const QString& folder, FolderContent kind);

bool FolderExists(const QString& p);
bool FileExists(const QString& p);
// Creates the folder with any missing parents; true when it exists afterwards.
bool CreateFolder(const QString& p);
